#include "settings_store.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace kalvor {

std::optional<std::string> FileSettingsStore::Load(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return text.str();
}

// Writes a new file beside the old one and puts it in the old one's place
// only once it is complete, so that a failed save loses nothing.
bool FileSettingsStore::Save(const std::string& name, const std::string& text) {
    const std::string temporary = name + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return false;
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.flush();
        if (!file) {
            file.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, name, error);
    if (error) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace kalvor
