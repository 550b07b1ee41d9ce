// The main dialog's controls that change the chip at once: the seven alarm
// boxes and the temperature unit.
#pragma once

#include "dialog_data.h"
#include "monitor_chip.h"

namespace kalvor {

// The alarm box with control id `controlId` (1049 to 1055): its setting and
// its bit of the alarm mask. Nothing for any other control.
struct AlarmBox {
    int controlId;
    StatusBit bit;
    int SettingValues::*setting;
};
const AlarmBox* FindAlarmBox(int controlId);

// After a click on an alarm box: its setting, already read from the box,
// switches its bit of the chip's alarm mask.
void ApplyAlarmBox(const AlarmBox& box, const SettingValues& settings, CMonitorChip& chip);

// After the unit buttons were read into the settings: the temperatures and
// both temperature limits read back from the chip in the new unit.
void ApplyUnitChange(KalvorDialogData& dialog, CMonitorChip& chip);

}  // namespace kalvor
