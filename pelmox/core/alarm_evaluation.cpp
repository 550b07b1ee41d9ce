#include "alarm_evaluation.h"

#include "limit_checks.h"
#include "pelmox/shell/warning_animation.h"

namespace pelmox {
namespace {

constexpr int kWarnFan = WarnFan;
constexpr int kWarnTemperature = WarnTemperature;
constexpr int kWarnVoltage = WarnVoltage;
constexpr int kWarnFault = WarnFault;
constexpr int kLimitCheckDue = 9;

constexpr char kNoFan[] = "Damage:    No Fan Found!\n\n   This computer is not safe!\n   Please check Fan now.";

bool Has(std::uint32_t mask, std::uint32_t item) { return (mask & item) != 0; }

struct Supply {
    std::uint32_t item;
    float SensorValues::*value;
    float WatchDogLimit::*low;
    float WatchDogLimit::*high;
    const char* lostText;
    const char* lowText;
    const char* highText;
};

constexpr Supply kSupplies[] = {
    {ITEM_12V, &SensorValues::supply12V, &WatchDogLimit::supply12VLow, &WatchDogLimit::supply12VHigh,
     "ERROR: Voltage(1) Lose Its Voltage Level", "Warning: Voltage(1)  is too low !\n\nSuggestion: Check the power !",
     "Warning: Voltage(1)  is too high !\n\nSuggestion: Check the power !"},
    {ITEM_5V, &SensorValues::supply5V, &WatchDogLimit::supply5VLow, &WatchDogLimit::supply5VHigh,
     "ERROR: Voltage(2) Lose Its Voltage Level", "Warning: Voltage(2)  is too low !\n\nSuggestion: Check the power !",
     "Warning: Voltage(2)  is too high !\n\nSuggestion: Check the power !"},
    {ITEM_IO_VOLTAGE, &SensorValues::ioSupply, &WatchDogLimit::ioSupplyLow, &WatchDogLimit::ioSupplyHigh,
     "ERROR: Voltage(3) Lose Its Voltage Level", "Warning: Voltage(3)  is too low !\n\nSuggestion: Check the power !",
     "Warning: Voltage(3)  is too high !\n\nSuggestion: Check the power !"},
    {ITEM_CPU_VOLTAGE, &SensorValues::cpuVoltage, &WatchDogLimit::cpuVoltageLow, &WatchDogLimit::cpuVoltageHigh,
     "ERROR: Voltage(4) Lose Its Voltage Level", "Warning: Voltage(4)  is too low !\n\nSuggestion: Check the power !",
     "Warning: Voltage(4)  is too high !\n\nSuggestion: Check the power !"},
};

// The siren when the sound file cannot be played: 2.8 s in all.
constexpr struct {
    int hertz, milliseconds;
} kSiren[] = {{400, 600}, {800, 400}, {400, 500}, {800, 400}, {400, 500}, {800, 400}};

}  // namespace

void CAlarmEvaluator::EvaluateAlarms(const AlarmInputs& inputs) {
    if (firstRun_) {
        firstRun_ = false;
        CheckFaults(inputs);
    }
    int taken = periodicCounter_++;
    if (taken < kLimitCheckDue) return;
    periodicCounter_ = 0;
    if (warningUp_) return;
    CheckLimits(inputs);
}

void CAlarmEvaluator::CheckFaults(const AlarmInputs& in) {
    SensorValues v{};
    driver_.ReadValues(v);
    std::uint32_t visible = in.enableItem;
    bool cpuFanStopped = Has(visible, ITEM_CPU_FAN) && IsNoReading(v.cpuFan);
    bool fan2Stopped = Has(visible, ITEM_FAN2) && IsNoReading(v.fan2);
    if (cpuFanStopped && fan2Stopped) {
        Report(kNoFan, kWarnFault, in.soundEnable);
    } else {
        if (cpuFanStopped) Report("ERROR: CPU Fan stop working", kWarnFault, in.soundEnable);
        if (fan2Stopped) Report("ERROR: Fan2 stop working", kWarnFault, in.soundEnable);
    }
    if (Has(visible, ITEM_CHIPSET_TEMP) && IsNoReading(v.chipsetTemperature) &&
        IsNoReading(in.limits.chipsetTemperatureHigh))
        Report("ERROR : Can't Read Chipset Temperature  ", kWarnFault, in.soundEnable);
    if (Has(visible, ITEM_CPU_TEMP) && IsNoReading(v.cpuTemperature) && IsNoReading(in.limits.cpuTemperatureHigh))
        Report("ERROR: Can't Read CPU Temperature ", kWarnFault, in.soundEnable);
    for (const Supply& s : kSupplies)
        if (Has(visible, s.item) && IsNoReading(v.*(s.value))) Report(s.lostText, kWarnFault, in.soundEnable);
}

void CAlarmEvaluator::CheckLimits(const AlarmInputs& in) {
    SensorValues v{};
    driver_.ReadValues(v);
    std::uint32_t mask = in.enableItem & host_.AlarmChecks();
    const WatchDogLimit& l = in.limits;
    auto due = [&](std::uint32_t item) { return Has(mask, item) && !warningUp_; };
    if (due(ITEM_CPU_FAN) && FanOutside(v.cpuFan, l.cpuFanLow))
        Report("Damage: CPU Fan speed is too low !\n\nSuggestion: Check your Fan now!", kWarnFan, in.soundEnable);
    if (due(ITEM_FAN2) && FanOutside(v.fan2, l.fan2Low))
        Report("Warning: Fan2 speed is too low !\n\nSuggestion: Check your Fan !", kWarnFan, in.soundEnable);
    if (due(ITEM_CHIPSET_TEMP) && TemperatureOutside(v.chipsetTemperature, l.chipsetTemperatureHigh))
        Report("Warning: Chipset Temperature is too high !\n\nSuggestion: Shutdown now !", kWarnTemperature,
               in.soundEnable);
    if (due(ITEM_CPU_TEMP) && TemperatureOutside(v.cpuTemperature, l.cpuTemperatureHigh))
        Report("Warning: CPU Temperature is too high !\n\nSuggestion: Shutdown now !", kWarnTemperature,
               in.soundEnable);
    for (const Supply& s : kSupplies) {
        if (due(s.item) && v.*(s.value) < l.*(s.low)) Report(s.lowText, kWarnVoltage, in.soundEnable);
        if (due(s.item) && v.*(s.value) > l.*(s.high)) Report(s.highText, kWarnVoltage, in.soundEnable);
    }
}

void CAlarmEvaluator::Report(const std::string& text, int kind, std::int32_t soundEnable) {
    warningUp_ = true;
    PlayAlarmSound(soundEnable);
    host_.ShowWarning(text, kind);
    warningUp_ = false;
}

void CAlarmEvaluator::PlayAlarmSound(std::int32_t soundEnable) {
    if (soundEnable != 1) return;
    if (!host_.PlaySoundFile(kWarningSound)) QueueSiren();
}

void CAlarmEvaluator::QueueSiren() {
    for (const auto& tone : kSiren) host_.EnqueueTone(tone.hertz, tone.milliseconds);
}

}  // namespace pelmox
