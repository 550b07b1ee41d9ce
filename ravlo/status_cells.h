// The texts of one row of the status window.
#pragma once

#include "language_texts.h"
#include "status_monitor.h"

namespace ravlo {

struct RowCells {
    int nameControl;
    const char* name;
    int statusControl;
    const char* status;
    bool drawRed;  // the status is the abnormal text, drawn again in red
    int warningControl;
    const char* warning;
};

RowCells CellsOfRow(int row, const StatusMonitor& monitor, const LanguageTexts& texts);

}  // namespace ravlo
