// The thermal monitor's texts in its two languages. The Japanese ones are
// code page 932 bytes, as the ANSI functions take them.
#pragma once

#include <array>
#include <cstdint>

namespace ravlo {

enum class Language { English, Japanese };

constexpr int kRowCount = 6;

struct LanguageTexts {
    const char* menuName;
    const char* dialogName;
    const char* statusTitle;
    std::array<const char*, 3> headings;
    std::array<const char*, kRowCount> rowNames;
    std::array<const char*, kRowCount> warnings;
    const char* normal;
    const char* abnormal;
    const char* notWatched;
    const char* tooltipNormal;
    const char* tooltipTooHigh;
    const char* notice;
    int redTextLeft;  // where the red status text starts in its cell
};

// Japanese when the primary language of the system's default language is
// Japanese (0x11), English otherwise.
Language LanguageFromLangId(std::uint16_t langId);

const LanguageTexts& TextsFor(Language language);

}  // namespace ravlo
