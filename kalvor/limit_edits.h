// The main dialog's twelve limit edits: what each accepts, and what a
// typed text does when its edit loses the focus.
#pragma once

#include <string>
#include <string_view>

#include "dialog_data.h"
#include "monitor_chip.h"

namespace kalvor {

enum class LimitEditResult { BadCharacters, OutOfRange, Accepted };

struct LimitEditOutcome {
    LimitEditResult result;
    std::string message;  // the message box text when not accepted
};

// Validates `text` typed into the edit `controlId` (1032 to 1043) and, when
// its characters pass, stores its number in the setting (even out of
// range) and its text in the limit text; inside the range it is written to
// the chip as the edit's table says. `pollingEnabled` ends false unless the
// text was accepted. An unknown control id is accepted and changes nothing.
LimitEditOutcome ApplyLimitEdit(int controlId, std::string_view text, KalvorDialogData& dialog,
                                CMonitorChip& chip, bool& pollingEnabled);

}  // namespace kalvor
