// The alarm evaluation of every full update: the warning list, the
// alarm-output register and the tray icon.
#pragma once

#include <cstdint>

#include "dialog_data.h"
#include "kalvor_ui.h"
#include "monitor_chip.h"

namespace kalvor {

class AlarmEvaluator {
public:
    AlarmEvaluator(CMonitorChip& chip, KalvorDialogData& dialog, KalvorUi& ui);

    void EvaluateAlarms(std::uint8_t status);
    void ShowWarnings(std::uint8_t active);

    bool trayAlarmShown = false;
    bool warningShowing = false;

private:
    CMonitorChip& chip_;
    KalvorDialogData& dialog_;
    KalvorUi& ui_;
};

// The warning lines for a set of active alarms, in bit order from the top.
WarningLines WarningLinesFor(std::uint8_t active);

// The alarm-output value: fans outrank temperature, temperature voltages.
std::uint8_t AlarmOutputFor(std::uint8_t active);

}  // namespace kalvor
