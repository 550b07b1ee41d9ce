// The eight registry values with arbitrary types, sizes and bytes: a later
// start loads them and pushes them into the driver without failing, and
// what it saves then loads again as the same settings.
#include <cstdlib>

#include "fuzz_input.h"
#include "pelmox_parts.h"

namespace {

const char* const kValueNames[] = {"NMI45",      "CheckItem", "EnableItem", "VendorUnavailable",
                                   "SoundEnable", "TempUnit", "CpuVoltage", "WatchDogLimit"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    fuzz::PelmoxParts parts;
    parts.registry.exists = true;
    // Per value: a presence and type byte (0: absent), a size, the bytes.
    for (const char* name : kValueNames) {
        std::uint8_t type = input.Byte();
        std::uint8_t length = input.Byte();
        std::string bytes = input.Run(length);
        if (type == 0) continue;
        parts.registry.values[name] = {type, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
    }
    parts.storage.RunStartup();
    if (parts.reporter.messages != 0) std::abort();
    parts.storage.SaveSettings();
    if (!fuzz::ReloadsTheSame(parts)) std::abort();
    return 0;
}
