#include "settings_store.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace kalvor {
namespace {

// Beside "KALVOR.DAT" during a save: the new file being written, and the
// old one while the new one takes its place.
std::string NewFileOf(const std::string& name) { return name + ".new"; }
std::string OldFileOf(const std::string& name) { return name + ".old"; }

bool Exists(const std::string& name) { return static_cast<bool>(std::ifstream(name, std::ios::binary)); }

std::optional<std::string> ReadWhole(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return text.str();
}

bool WriteWhole(const std::string& name, const std::string& text) {
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.flush();
    return static_cast<bool>(file);
}

}  // namespace

// A save cut off after the old file was set aside and before the new one
// took its place leaves only the old one: it is read instead.
std::optional<std::string> FileSettingsStore::Load(const std::string& name) {
    if (std::optional<std::string> text = ReadWhole(name)) return text;
    return ReadWhole(OldFileOf(name));
}

// The new file is written completely beside the old one first; then the
// old one is set aside, the new one renamed into its place and the old
// one removed. Only the C runtime's rename and remove are used (a rename
// onto an existing file fails on Windows), so the programs load on every
// Windows of the driver disk. A failure on the way puts the old file back.
bool FileSettingsStore::Save(const std::string& name, const std::string& text) {
    const std::string fresh = NewFileOf(name), old = OldFileOf(name);
    if (!WriteWhole(fresh, text)) {
        std::remove(fresh.c_str());
        return false;
    }
    std::remove(old.c_str());
    bool hadOld = Exists(name);
    if (hadOld && std::rename(name.c_str(), old.c_str()) != 0) {
        std::remove(fresh.c_str());
        return false;
    }
    if (std::rename(fresh.c_str(), name.c_str()) != 0) {
        if (hadOld) std::rename(old.c_str(), name.c_str());
        std::remove(fresh.c_str());
        return false;
    }
    if (hadOld) std::remove(old.c_str());
    return true;
}

}  // namespace kalvor
