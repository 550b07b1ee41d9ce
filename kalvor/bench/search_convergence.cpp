// How long the supply search takes on the simulated chip: for each polling
// interval, the ticks (and seconds, at 1024 ms a tick) until each supply's
// search has converged (its window at most 0.2 V wide at the chip's pin and
// the estimate confirmed), and how far the settled estimate lies from the
// truth. The seeded estimate may already lie near the truth by chance, so
// convergence, not a first near value, is what is counted.
#include <cmath>
#include <cstdio>
#include <string>

#include "boardsim/smbus/chip_model.h"
#include "kalvor/polling_schedule.h"
#include "kalvor/startup.h"
#include "kalvor/tests/model_bus.h"

namespace {

using namespace kalvor;


class QuietUi final : public KalvorUi {
public:
    void ShowDriverError() override {}
    void ShowInUse() override {}
    void EndProcess() override {}
    void ShowReadings() override {}
    void ShowTrayAlarm(bool) override {}
    void ShowWarningList(const WarningLines&) override {}
    void StartPollTimer() override {}
    void StopPollTimer() override {}
};


constexpr double kTruth[3] = {3.36, 11.8, 5.1};
constexpr const char* kNames[3] = {"3.3 V", "12 V", "5 V"};
constexpr int kMaxTicks = 2000;

void Measure(int variant, int pollingInt) {
    boardsim::ChipBoard board;
    board.variant = variant;
    board.v2Ratio = 4.8f;
    boardsim::ChipModel model(board);
    boardsim::ChipInputs inputs;
    inputs.vin1 = kTruth[0];
    inputs.vin2 = kTruth[1];
    inputs.vdd = kTruth[2];
    model.SetInputs(inputs);
    ModelBus bus(model);
    KalvorDialogData dialog;
    dialog.settings.pollingInt = pollingInt;
    CMonitorChip chip(bus, bus, dialog.settings);
    NoFiles files;
    CKalvorApp app(chip, dialog, files);
    QuietUi ui;
    AlarmEvaluator alarms(chip, dialog, ui);
    PollingSchedule schedule(chip, app, alarms, dialog, bus, ui);
    KalvorStartup startup(chip, app, alarms, schedule, bus, bus, ui);
    startup.RunStartupSequence();
    chip.v2Ratio = 4.8f;

    const SearchRecord* records[3] = {&chip.vin1Search, &chip.vin2Search, &chip.vddSearch};
    const float ratios[3] = {chip.v1Ratio, chip.v2Ratio, 1.0f};
    int converged[3] = {-1, -1, -1};
    for (int tick = 1; tick <= kMaxTicks; ++tick) {
        schedule.Tick();
        for (int i = 0; i < 3; ++i) {
            const SearchRecord& r = *records[i];
            bool narrow = (r.windowHigh - r.windowLow) / ratios[i] <= 0.2f;
            bool confirmed = std::abs(r.estimate - (r.windowHigh + r.windowLow) / 2) < 1e-6f;
            if (narrow && confirmed && converged[i] < 0) converged[i] = tick;
        }
    }
    std::printf("variant %d  PollingInt %d:", variant, pollingInt);
    for (int i = 0; i < 3; ++i) {
        double error = records[i]->estimate - kTruth[i];
        if (converged[i] > 0)
            std::printf("  %s %4d ticks (%6.1f s) %+.3f V", kNames[i], converged[i], converged[i] * 1.024, error);
        else
            std::printf("  %s not converged", kNames[i]);
    }
    std::printf("\n");
}

}  // namespace

int main() {
    std::printf("supply search on the simulated chip, true supplies 3.36 V, 11.8 V, 5.1 V, 12 V divider 4.8\n");
    for (int variant = 0; variant < 3; ++variant)
        for (int pollingInt = 0; pollingInt < 4; ++pollingInt) Measure(variant, pollingInt);
    return 0;
}
