// Arbitrary bytes as "Vendor.ini" on a first run: the vendor path looks up
// every key the program looks up, and what it takes goes to the driver and
// the registry. Saved and loaded again, the settings are the same.
#include <cstdlib>

#include "pelmox_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::PelmoxParts parts;
    parts.vendor.text = std::string(reinterpret_cast<const char*>(data), size);
    parts.storage.RunStartup();
    if (!fuzz::ReloadsTheSame(parts)) std::abort();
    return 0;
}
