#include "language_texts.h"

namespace ravlo {
namespace {

constexpr std::uint16_t kPrimaryLanguageMask = 0x3FF;
constexpr std::uint16_t kPrimaryLanguageJapanese = 0x11;

const LanguageTexts kEnglish{
    "USA_TRAY_MENU",
    "IDD_DIALOG_USA",
    "Hardware Monitor",
    {"Item", "Condition", "Warning Condition"},
    {"Thermal", "12V", "3.3V", "2.8V", "5V", "Fan"},
    {"Greater than 55'C", "Out of 11.28V-12.72V", "Out of  3.07V- 3.53V", "Out of  2.66V- 2.94V",
     "Out of  4.65V- 5.35V", "No Response or Stopped"},
    "Normal",
    "Abnormal",
    "N/A",
    "CPU Thermal is Normal!",
    "CPU Thermal is too High!",
    "(C) Ostrel 1999",
    5,
};

// Code page 932 bytes; each line's comment gives the text.
const LanguageTexts kJapanese{
    "JPN_TRAY_MENU",
    "IDD_DIALOG_JPN",
    "\x83n\x81[\x83h\x83" "E\x83" "F\x83" "A\x8A\xC4\x8E\x8B\x8A\xED ",  // ハードウェア監視器 (and a blank)
    {
        "\x96\xDA\x8E\x9F",                        // 目次
        "\x8F\xF3\x91\xD4",                        // 状態
        "\x8Cx\x8D\x90\x82\xCC\x8F\xF3\x8B\xB5",   // 警告の状況
    },
    {
        "\x89\xB7\x93x",                           // 温度
        "12V", "3.3V", "2.8V", "5V",
        "\x90\xEE\x95\x97\x8B@",                   // 扇風機
    },
    {
        "\x89\xB7\x93x\x82\xAA\x82T\x82T\x93x\x88\xC8\x8F\xE3",  // 温度が５５度以上
        "11.28V-12.72V \x82\xCC\x94\xCD\x88\xCD\x8AO",           // 11.28V-12.72V の範囲外
        "3.07V- 3.53V \x82\xCC\x94\xCD\x88\xCD\x8AO",            // 3.07V- 3.53V の範囲外
        "2.66V- 2.94V \x82\xCC\x94\xCD\x88\xCD\x8AO",            // 2.66V- 2.94V の範囲外
        "4.65V- 5.35V \x82\xCC\x94\xCD\x88\xCD\x8AO",            // 4.65V- 5.35V の範囲外
        // 反応が無いか､ファン停止 (with the half-width ideographic comma, 0xA4)
        "\x94\xBD\x89\x9E\x82\xAA\x96\xB3\x82\xA2\x82\xA9\xA4\x83t\x83@\x83\x93\x92\xE2\x8E~",
    },
    "\x90\xB3\x8F\xED",      // 正常
    "\x95s\x90\xB3\x8F\xED",  // 不正常
    "N/A",
    // コンピューターの温度が正常です
    "\x83R\x83\x93\x83s\x83\x85\x81[\x83^\x81[\x82\xCC\x89\xB7\x93x\x82\xAA\x90\xB3\x8F\xED\x82\xC5\x82\xB7",
    // コンピューターの温度が高すぎです
    "\x83R\x83\x93\x83s\x83\x85\x81[\x83^\x81[\x82\xCC\x89\xB7\x93x\x82\xAA\x8D\x82\x82\xB7\x82\xAC\x82\xC5\x82\xB7",
    "\x83I\x83X\x83g\x83\x8C\x83\x8B\x8E\xD0",  // オストレル社
    3,
};

}  // namespace

Language LanguageFromLangId(std::uint16_t langId) {
    return (langId & kPrimaryLanguageMask) == kPrimaryLanguageJapanese ? Language::Japanese : Language::English;
}

const LanguageTexts& TextsFor(Language language) {
    return language == Language::Japanese ? kJapanese : kEnglish;
}

}  // namespace ravlo
