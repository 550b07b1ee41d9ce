// The settings key in the real registry, and the vendor file on disk.
#pragma once

#include <windows.h>

#include "settings_registry.h"

namespace pelmox {

class Win32SettingsRegistry final : public SettingsRegistry {
public:
    ~Win32SettingsRegistry() { CloseKey(); }

    bool OpenKey() override;
    bool CreateKey() override;
    void CloseKey() override;
    std::optional<RegistryValue> Read(const std::string& name) override;
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) override;

private:
    HKEY key_ = nullptr;
};

// ".\Vendor.ini" in the current directory.
class Win32VendorFile final : public VendorFileSource {
public:
    std::optional<std::string> Read() override;
};

}  // namespace pelmox
