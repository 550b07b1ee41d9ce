#include "dialog_controls.h"

#include <array>
#include <string>

namespace kalvor {
namespace {

constexpr std::array<AlarmBox, 7> kAlarmBoxes{{
    {1049, kTemp, &SettingValues::alarmTemp},
    {1050, kVin1, &SettingValues::alarmVin1},
    {1051, kVin2, &SettingValues::alarmVin2},
    {1052, kVdd, &SettingValues::alarmVdd},
    {1053, kVin3, &SettingValues::alarmVCore},
    {1054, kFan1, &SettingValues::alarmFan1},
    {1055, kFan2, &SettingValues::alarmFan2},
}};

}  // namespace

const AlarmBox* FindAlarmBox(int controlId) {
    for (const AlarmBox& box : kAlarmBoxes)
        if (box.controlId == controlId) return &box;
    return nullptr;
}

void ApplyAlarmBox(const AlarmBox& box, const SettingValues& settings, CMonitorChip& chip) {
    chip.SetAlarmEnable(box.bit, settings.*(box.setting) != 0);
}

void ApplyUnitChange(KalvorDialogData& dialog, CMonitorChip& chip) {
    dialog.readings.temperature = chip.ReadTemperature();
    dialog.readings.temperature2 = chip.ReadTemperature2();
    dialog.settings.tempOver = chip.ReadOverLimit();
    dialog.limitTexts.tempOver = std::to_string(dialog.settings.tempOver);
    dialog.settings.tempHyst = chip.ReadHystLimit();
    dialog.limitTexts.tempHyst = std::to_string(dialog.settings.tempHyst);
}

}  // namespace kalvor
