// The monitor's life around the schedule: claiming the bus, the start-up
// sequence behind the wait dialog, and the orderly end.
#pragma once

#include "alarm_evaluator.h"
#include "kalvor_app.h"
#include "polling_schedule.h"

namespace kalvor {

enum class BusClaim { NoDriver, InUse, Claimed };

class KalvorStartup final : public ChipHost {
public:
    KalvorStartup(CMonitorChip& chip, CKalvorApp& app, AlarmEvaluator& alarms, PollingSchedule& schedule,
                  SmBus& bus, Waiter& waiter, KalvorUi& ui);

    // CheckDriver, then RegUsing. NoDriver: the driver-error dialog was
    // shown and the chip is left alone. InUse: the in-use dialog was shown
    // and the process ended. Claimed: the wait dialog comes next.
    BusClaim ClaimBus();

    // The wait dialog's start-up sequence. It runs once, however often the
    // dialog's start message arrives.
    void RunStartupSequence();

    // The normal end: chip stopped, bus released.
    void ExitInstance();

    void ShowDriverError() override;
    void ResetTrayAlarm() override;

private:
    CMonitorChip& chip_;
    CKalvorApp& app_;
    AlarmEvaluator& alarms_;
    PollingSchedule& schedule_;
    SmBus& bus_;
    Waiter& waiter_;
    KalvorUi& ui_;
    bool started_ = false;
};

}  // namespace kalvor
