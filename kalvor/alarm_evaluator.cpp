#include "alarm_evaluator.h"

namespace kalvor {
namespace {

constexpr std::array<const char*, 7> kWarningTexts{
    "5V Voltage Abnormal !",     "3.3V Voltage Abnormal !",    "12V Voltage Abnormal !",
    "VCore Voltage Abnormal !",  "CPU Temperature Abnormal !", "CPU Fan Speed Abnormal !",
    "System Fan Speed Abnormal !",
};

constexpr std::uint8_t kFanAlarms = (1 << kFan1) | (1 << kFan2);
constexpr std::uint8_t kVoltageAlarms = 0x0F;
constexpr std::uint8_t kOutputFans = 0x60;
constexpr std::uint8_t kOutputTemperature = 0x10;
constexpr std::uint8_t kOutputVoltages = 0x0F;

}  // namespace

WarningLines WarningLinesFor(std::uint8_t active) {
    WarningLines lines;
    int next = 0;
    for (int bit = 0; bit < kWarningLines; ++bit)
        if (active & (1 << bit)) lines[next++] = kWarningTexts[bit];
    return lines;
}

std::uint8_t AlarmOutputFor(std::uint8_t active) {
    if (active & kFanAlarms) return kOutputFans;
    if (active & (1 << kTemp)) return kOutputTemperature;
    if (active & kVoltageAlarms) return kOutputVoltages;
    return 0;
}

AlarmEvaluator::AlarmEvaluator(CMonitorChip& chip, KalvorDialogData& dialog, KalvorUi& ui)
    : chip_(chip), dialog_(dialog), ui_(ui) {}

void AlarmEvaluator::EvaluateAlarms(std::uint8_t status) {
    ui_.ShowReadings();
    std::uint8_t flags = status;
    // A fan that reads no speed counts as failed, even when it was not read.
    if (dialog_.readings.lastFan1Rpm == 0) flags |= 1 << kFan1;
    if (dialog_.readings.lastFan2Rpm == 0) flags |= 1 << kFan2;
    auto active = static_cast<std::uint8_t>(flags & chip_.alarmMask);
    if (active != 0 && !trayAlarmShown) {
        ui_.ShowTrayAlarm(true);
        trayAlarmShown = true;
    } else if (active == 0 && trayAlarmShown) {
        ui_.ShowTrayAlarm(false);
        trayAlarmShown = false;
    }
    ShowWarnings(active);
}

void AlarmEvaluator::ShowWarnings(std::uint8_t active) {
    if (active == 0 || warningShowing) return;
    warningShowing = true;
    chip_.WriteAlarmOutput(AlarmOutputFor(active));
    ui_.ShowWarningList(WarningLinesFor(active));
    warningShowing = false;
    chip_.WriteAlarmOutput(0);
}

}  // namespace kalvor
