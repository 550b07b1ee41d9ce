#include "settings_registry_win32.h"

#include <cstdio>

#include "vendor_file.h"

namespace pelmox {

bool Win32SettingsRegistry::OpenKey() {
    CloseKey();
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_ALL_ACCESS, &key_) == ERROR_SUCCESS;
}

bool Win32SettingsRegistry::CreateKey() {
    CloseKey();
    return RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                           nullptr, &key_, nullptr) == ERROR_SUCCESS;
}

void Win32SettingsRegistry::CloseKey() {
    if (key_ == nullptr) return;
    RegCloseKey(key_);
    key_ = nullptr;
}

// The whole value, whatever its size: whether it fits a member is the
// storage's decision.
std::optional<RegistryValue> Win32SettingsRegistry::Read(const std::string& name) {
    if (key_ == nullptr) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    RegistryValue value;
    value.type = type;
    value.bytes.resize(size);
    if (size > 0 &&
        RegQueryValueExA(key_, name.c_str(), nullptr, &type, value.bytes.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.bytes.resize(size);
    return value;
}

void Win32SettingsRegistry::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    if (key_ == nullptr) return;
    RegSetValueExA(key_, name.c_str(), 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

std::optional<std::string> Win32VendorFile::Read() {
    FILE* file = std::fopen(kVendorFileName, "rb");
    if (file == nullptr) return std::nullopt;
    std::string text;
    char chunk[4096];
    for (std::size_t read; (read = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, read);
    std::fclose(file);
    return text;
}

}  // namespace pelmox
