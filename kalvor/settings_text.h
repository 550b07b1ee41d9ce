// The text of a settings file ("KALVOR.DAT", "DEFAULT.DAT"): key = value
// lines in a fixed order, read forward only.
#pragma once

#include <string>
#include <string_view>

#include "setting_values.h"

namespace kalvor {

// The comment line and the 31 key lines, CR LF line ends.
std::string FormatSettings(const SettingValues& values);

// The three key lookups. Each looks for its key from where the previous one
// stopped; a key that is not found leaves the value held and the reader at
// the end of the text, so every later lookup fails too.
class SettingsReader {
public:
    explicit SettingsReader(std::string_view text) : text_(text) {}

    bool ReadText(std::string_view key, std::string& value);
    bool ReadInt(std::string_view key, int& value);
    bool ReadFloat(std::string_view key, float& value);

private:
    // The next whitespace-separated token, at most 15 characters; "" at the end.
    std::string_view NextToken();
    bool FindKey(std::string_view key);

    std::string_view text_;
    std::size_t position_ = 0;
};

}  // namespace kalvor
