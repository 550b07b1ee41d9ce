#include "status_cells.h"

#include "resource_ids.h"

namespace ravlo {

RowCells CellsOfRow(int row, const StatusMonitor& monitor, const LanguageTexts& texts) {
    RowCells cells{};
    cells.nameControl = IDC_FIRST_ROW_NAME + 3 * row;
    cells.statusControl = cells.nameControl + 1;
    cells.warningControl = cells.nameControl + 2;
    cells.name = texts.rowNames[row];
    cells.warning = texts.warnings[row];
    if (!monitor.Watched(row))
        cells.status = texts.notWatched;
    else if (monitor.Normal(row))
        cells.status = texts.normal;
    else {
        cells.status = texts.abnormal;
        cells.drawRed = true;
    }
    return cells;
}

}  // namespace ravlo
