// The 1024 ms polling tick and its two-phase schedule: search steps with
// comparator windows loaded, a last step that leaves the user limits
// loaded, and a full update with the alarm evaluation.
#pragma once

#include "alarm_evaluator.h"
#include "kalvor_app.h"
#include "kalvor_ui.h"

namespace kalvor {

// Half-cycles between full updates, by the PollingInt setting.
int IntervalValue(int pollingInt);

class PollingSchedule {
public:
    PollingSchedule(CMonitorChip& chip, CKalvorApp& app, AlarmEvaluator& alarms, KalvorDialogData& dialog,
                    SmBus& bus, KalvorUi& ui);

    void Tick();

    bool pollingEnabled = false;
    int countdown = 1;
    int phase = 0;
    int lastInterval = 0;

private:
    void ChipWork();
    void FullUpdate();
    void LastSearchStep();
    void SearchStep();
    void MaskTick(std::uint8_t mask);

    CMonitorChip& chip_;
    CKalvorApp& app_;
    AlarmEvaluator& alarms_;
    KalvorDialogData& dialog_;
    SmBus& bus_;
    KalvorUi& ui_;
};

}  // namespace kalvor
