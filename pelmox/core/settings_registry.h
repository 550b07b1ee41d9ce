// The registry key that holds the monitor's settings, as the settings
// storage sees it. The program's adapter is the real registry; tests use
// one in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelmox {

// HKEY_LOCAL_MACHINE, opened with KEY_ALL_ACCESS.
constexpr char kSettingsKey[] = "SOFTWARE\\Tavro\\Tavro Monitor\\Data";
constexpr std::uint32_t kRegBinary = 3;

struct RegistryValue {
    std::uint32_t type = kRegBinary;
    std::vector<std::uint8_t> bytes;
};

class SettingsRegistry {
public:
    // The existing key; false when there is none.
    virtual bool OpenKey() = 0;
    virtual bool CreateKey() = 0;
    virtual void CloseKey() = 0;
    // A value of the open key as stored, whatever its type and size.
    virtual std::optional<RegistryValue> Read(const std::string& name) = 0;
    // Writes a binary value into the open key.
    virtual void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) = 0;

protected:
    ~SettingsRegistry() = default;
};

// The vendor file, when it can be opened.
class VendorFileSource {
public:
    virtual std::optional<std::string> Read() = 0;

protected:
    ~VendorFileSource() = default;
};

}  // namespace pelmox
