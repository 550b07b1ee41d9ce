// Test and fuzz support: a chipset driver that keeps limits as the real one does
// (defaults, sets by item bits, 0x1000 restores), reports set values, and
// records every request with the mask word or item mask it carried.
#pragma once

#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "pelmox/core/chipset_driver.h"
#include "pelmox/core/settings_registry.h"
#include "pelmox/core/settings_storage.h"

namespace pelmox {

struct Request {
    ControlCode code;
    std::uint32_t word;  // mask word or item mask; 0 for value reads
    bool operator==(const Request& other) const { return code == other.code && word == other.word; }
};

inline WatchDogLimit DefaultLimits() {
    return {0, 3000, 3000, 70, 80, 11.4f, 12.6f, 4.75f, 5.25f, 3.1f, 3.5f, 1.5f, 2.2f};
}

class FakeChipset final : public DriverDevice {
public:
    bool Control(ControlCode code, const void* input, std::uint32_t, void* output, std::uint32_t) override {
        std::uint32_t word = 0;
        if (input != nullptr) std::memcpy(&word, input, sizeof word);
        if (code == PELMOX_READ_LIMITS) std::memcpy(&word, output, sizeof word);
        requests.push_back({code, word});
        switch (code) {
        case PELMOX_READ_VALUES: std::memcpy(output, &values, sizeof values); break;
        case PELMOX_READ_LIMITS: {
            WatchDogLimit answer = limits;
            answer.mask = word;  // a read leaves the word as the caller put it
            std::memcpy(output, &answer, sizeof answer);
            break;
        }
        case PELMOX_SET_LIMITS: Set(*static_cast<const WatchDogLimit*>(input)); break;
        default: break;
        }
        return true;
    }

    WatchDogLimit limits = DefaultLimits();
    SensorValues values{4500, 4000, 40, 45, 12.1f, 5.0f, 3.3f, 2.0f};
    std::vector<Request> requests;

private:
    void Set(const WatchDogLimit& block) {
        if (block.mask == LIMITS_RESTORE_DEFAULTS) {
            limits = DefaultLimits();
            return;
        }
        const float* from = &block.cpuFanLow;
        float* to = &limits.cpuFanLow;
        // The twelve floats by item: fans and temperatures one, supplies two.
        const int firstFloat[8] = {0, 1, 2, 3, 4, 6, 8, 10};
        const int floats[8] = {1, 1, 1, 1, 2, 2, 2, 2};
        for (int item = 0; item < 8; ++item)
            if (block.mask & (1u << item))
                for (int f = 0; f < floats[item]; ++f) to[firstFloat[item] + f] = from[firstFloat[item] + f];
    }
};

class MemoryRegistry final : public SettingsRegistry {
public:
    bool OpenKey() override { return exists; }
    bool CreateKey() override { return exists = true; }
    void CloseKey() override {}
    std::optional<RegistryValue> Read(const std::string& name) override {
        auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) override {
        values[name] = {kRegBinary, bytes};
        written.push_back(name);
    }

    template <typename T>
    void Put(const std::string& name, const T& value) {
        std::vector<std::uint8_t> bytes(sizeof value);
        std::memcpy(bytes.data(), &value, sizeof value);
        values[name] = {kRegBinary, bytes};
    }

    bool exists = false;
    std::map<std::string, RegistryValue> values;
    std::vector<std::string> written;
};

class MemoryVendorFile final : public VendorFileSource {
public:
    std::optional<std::string> Read() override { return text; }
    std::optional<std::string> text;
};

// The settings over the fake driver, registry and vendor file, as the
// storage and the form tests and the fuzz targets set them up, with the
// driver's failures told to a `Reporter`.
template <class Reporter>
struct ChipsetParts {
    FakeChipset chipset;
    Reporter reporter;
    CChipsetDriver driver{&chipset, reporter};
    MemoryRegistry registry;
    MemoryVendorFile vendor;
    PelmoxSettings settings;
    SettingsStorage storage{settings, driver, registry, vendor};
};

}  // namespace pelmox
