#include "limit_edits.h"

#include <array>
#include <cstdlib>

#include "framework/framework_texts.h"

namespace kalvor {
namespace {

enum class Kind { Integer, Float };

struct LimitEdit {
    int controlId;
    Kind kind;
    int low;
    int high;
    std::string LimitTexts::*text;
    int SettingValues::*intValue;
    float SettingValues::*floatValue;
    void (*write)(CMonitorChip&, const SettingValues&);
};

constexpr int kTemperatureLow = -32, kTemperatureHigh = 128;
constexpr int kVoltageLow = -20, kVoltageHigh = 20;
constexpr int kFanLow = 1000, kFanHigh = 20000;

void NoWrite(CMonitorChip&, const SettingValues&) {}

const std::array<LimitEdit, 12> kLimitEdits{{
    {1032, Kind::Integer, kTemperatureLow, kTemperatureHigh, &LimitTexts::tempOver, &SettingValues::tempOver,
     nullptr, [](CMonitorChip& c, const SettingValues& s) { c.WriteOverLimit(s.tempOver); }},
    {1033, Kind::Integer, kTemperatureLow, kTemperatureHigh, &LimitTexts::tempHyst, &SettingValues::tempHyst,
     nullptr, [](CMonitorChip& c, const SettingValues& s) { c.WriteHystLimit(s.tempHyst); }},
    {1034, Kind::Float, kVoltageLow, kVoltageHigh, &LimitTexts::v1HiLimit, nullptr, &SettingValues::v1HiLimit, NoWrite},
    {1038, Kind::Float, kVoltageLow, kVoltageHigh, &LimitTexts::v1LoLimit, nullptr, &SettingValues::v1LoLimit, NoWrite},
    {1035, Kind::Float, kVoltageLow, kVoltageHigh, &LimitTexts::v2HiLimit, nullptr, &SettingValues::v2HiLimit, NoWrite},
    {1039, Kind::Float, kVoltageLow, kVoltageHigh, &LimitTexts::v2LoLimit, nullptr, &SettingValues::v2LoLimit, NoWrite},
    {1036, Kind::Float, kVoltageLow, kVoltageHigh, &LimitTexts::vddHiLimit, nullptr, &SettingValues::vddHiLimit, NoWrite},
    {1040, Kind::Float, kVoltageLow, kVoltageHigh, &LimitTexts::vddLoLimit, nullptr, &SettingValues::vddLoLimit, NoWrite},
    {1037, Kind::Float, kVoltageLow, kVoltageHigh, &LimitTexts::v3HiLimit, nullptr, &SettingValues::v3HiLimit,
     [](CMonitorChip& c, const SettingValues& s) {
         c.WriteVoltageLimit(VoltageChannel::Vin3, LimitSide::High, s.v3HiLimit);
     }},
    {1041, Kind::Float, kVoltageLow, kVoltageHigh, &LimitTexts::v3LoLimit, nullptr, &SettingValues::v3LoLimit,
     [](CMonitorChip& c, const SettingValues& s) {
         c.WriteVoltageLimit(VoltageChannel::Vin3, LimitSide::Low, s.v3LoLimit);
     }},
    {1042, Kind::Integer, kFanLow, kFanHigh, &LimitTexts::fan1Limit, &SettingValues::fan1Limit, nullptr,
     [](CMonitorChip& c, const SettingValues& s) { c.WriteFan1Limit(s.fan1Limit); }},
    {1043, Kind::Integer, kFanLow, kFanHigh, &LimitTexts::fan2Limit, &SettingValues::fan2Limit, nullptr,
     [](CMonitorChip& c, const SettingValues& s) { c.WriteFan2Limit(s.fan2Limit); }},
}};

const LimitEdit* FindEdit(int controlId) {
    for (const LimitEdit& edit : kLimitEdits)
        if (edit.controlId == controlId) return &edit;
    return nullptr;
}

// Integer fields take digits only; float fields digits, "." and "-" anywhere.
bool CharactersPass(std::string_view text, Kind kind) {
    if (text.empty()) return false;
    for (char c : text) {
        bool digit = c >= '0' && c <= '9';
        if (!digit && !(kind == Kind::Float && (c == '.' || c == '-'))) return false;
    }
    return true;
}

}  // namespace

LimitEditOutcome ApplyLimitEdit(int controlId, std::string_view text, KalvorDialogData& dialog, CMonitorChip& chip,
                                bool& pollingEnabled) {
    const LimitEdit* edit = FindEdit(controlId);
    if (edit == nullptr) return {LimitEditResult::Accepted, {}};
    bool integer = edit->kind == Kind::Integer;
    pollingEnabled = false;
    if (!CharactersPass(text, edit->kind))
        return {LimitEditResult::BadCharacters,
                integer ? "Please enter a integer value !" : "Please enter a floating value !"};

    // As atoi and atof read it: the leading number, the rest ignored.
    std::string typed(text);
    dialog.limitTexts.*(edit->text) = typed;
    double number = integer ? std::atoi(typed.c_str()) : std::atof(typed.c_str());
    SettingValues& s = dialog.settings;
    if (integer)
        s.*(edit->intValue) = static_cast<int>(number);
    else
        s.*(edit->floatValue) = static_cast<float>(number);
    if (number < edit->low || number > edit->high)
        return {LimitEditResult::OutOfRange,
                fw::RangeMessage(integer, std::to_string(edit->low), std::to_string(edit->high))};
    pollingEnabled = true;
    edit->write(chip, s);
    return {LimitEditResult::Accepted, {}};
}

}  // namespace kalvor
