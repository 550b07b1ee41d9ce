#include "polling_schedule.h"

#include <array>

#include "chip_variant.h"

namespace kalvor {
namespace {

constexpr std::array<int, 4> kIntervalValues{2, 6, 20, 60};
constexpr std::uint8_t kSupplyMask = 0x07;

}  // namespace

int IntervalValue(int pollingInt) {
    return kIntervalValues[pollingInt >= 0 && pollingInt < 4 ? pollingInt : 0];
}

PollingSchedule::PollingSchedule(CMonitorChip& chip, CKalvorApp& app, AlarmEvaluator& alarms,
                                 KalvorDialogData& dialog, SmBus& bus, KalvorUi& ui)
    : chip_(chip), app_(app), alarms_(alarms), dialog_(dialog), bus_(bus), ui_(ui) {}

// One tick. The timer is stopped for the tick's length, so that no tick
// runs while the warning list that a full update opened is up.
void PollingSchedule::Tick() {
    ui_.StopPollTimer();
    if (bus_.ChkUsing()) {
        ui_.ShowInUse();
        ui_.EndProcess();
        return;
    }
    if (pollingEnabled) ChipWork();
    ui_.StartPollTimer();
    if (chip_.variant == 2) chip_.WriteVariantRegister();
}

void PollingSchedule::ChipWork() {
    if (phase == 0) --countdown;
    if (countdown == 0) {
        if (phase == 0)
            FullUpdate();
        else
            MaskTick(kSupplyMask);
    } else if (countdown == 1) {
        if (phase == 0)
            LastSearchStep();
        else
            MaskTick(static_cast<std::uint8_t>(chip_.alarmMask));
    } else {
        if (phase == 0)
            SearchStep();
        else
            MaskTick(kSupplyMask);
    }
}

void PollingSchedule::FullUpdate() {
    countdown = lastInterval = IntervalValue(dialog_.settings.pollingInt);
    std::uint8_t status = app_.UpdateReadings();
    alarms_.EvaluateAlarms(status);
    chip_.WriteWindows();
    phase = 1;
}

void PollingSchedule::LastSearchStep() {
    chip_.UpdateWindows();
    const SettingValues& s = dialog_.settings;
    chip_.WriteVoltageLimit(VoltageChannel::Vin1, LimitSide::High, s.v1HiLimit);
    chip_.WriteVoltageLimit(VoltageChannel::Vin1, LimitSide::Low, s.v1LoLimit);
    chip_.WriteVoltageLimit(VoltageChannel::Vin2, LimitSide::High, s.v2HiLimit);
    chip_.WriteVoltageLimit(VoltageChannel::Vin2, LimitSide::Low, s.v2LoLimit);
    chip_.WriteVoltageLimit(VoltageChannel::Vdd, LimitSide::High, s.vddHiLimit);
    chip_.WriteVoltageLimit(VoltageChannel::Vdd, LimitSide::Low, s.vddLoLimit);
    phase = 1;
}

// A change of the polling interval restarts the countdown here.
void PollingSchedule::SearchStep() {
    int interval = IntervalValue(dialog_.settings.pollingInt);
    if (lastInterval != interval) countdown = lastInterval = interval;
    chip_.UpdateWindows();
    chip_.WriteWindows();
    phase = 1;
}

// Phase 1: on variant 0 the mask register decides which comparators latch.
void PollingSchedule::MaskTick(std::uint8_t mask) {
    if (ScalesOf(chip_.variant).maskDrivenByPolling) chip_.WriteMask(mask);
    phase = 0;
}

}  // namespace kalvor
