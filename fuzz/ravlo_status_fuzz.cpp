// ravlo's status over arbitrary driver answers: the start-up walk, a run
// of polls, and every row's texts in both languages, which must always be
// texts of the table.
#include <cstdlib>

#include "ravlo/status_cells.h"
#include "ravlo/status_monitor.h"
#include "scripted_structures.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    fuzz::ScriptedStructures driver(input);
    ravlo::StatusMonitor monitor;
    monitor.Start(driver);
    for (int poll = 0; poll < 64 && !input.Empty(); ++poll) {
        monitor.Poll(driver);
        for (ravlo::Language language : {ravlo::Language::English, ravlo::Language::Japanese}) {
            const ravlo::LanguageTexts& texts = ravlo::TextsFor(language);
            for (int row = 0; row < ravlo::kRowCount; ++row) {
                ravlo::RowCells cells = ravlo::CellsOfRow(row, monitor, texts);
                if (cells.name == nullptr || cells.status == nullptr || cells.warning == nullptr) std::abort();
                if (cells.drawRed == monitor.Normal(row) && monitor.Watched(row)) std::abort();
            }
        }
    }
    return 0;
}
