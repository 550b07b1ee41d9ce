// Where settings files live: files by bare name in the current directory.
#pragma once

#include <optional>
#include <string>

namespace kalvor {

class SettingsStore {
public:
    // The whole file, or nothing when it cannot be read.
    virtual std::optional<std::string> Load(const std::string& name) = 0;
    // Replaces the file with `text`; the old file stays intact unless the
    // new one was written completely. False when nothing was replaced.
    virtual bool Save(const std::string& name, const std::string& text) = 0;

protected:
    ~SettingsStore() = default;
};

// Files relative to the process's current directory.
class FileSettingsStore final : public SettingsStore {
public:
    std::optional<std::string> Load(const std::string& name) override;
    bool Save(const std::string& name, const std::string& text) override;
};

}  // namespace kalvor
