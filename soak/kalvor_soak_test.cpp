// kalvor's core over a day of 1024 ms polling ticks on the chip model,
// the CPU fan stopping for two minutes in every hour: the warnings come
// and go every hour, and the heap is the same at the end of each hour as
// at the end of the first.
#include <gtest/gtest.h>

#include "boardsim/smbus/chip_model.h"
#include "kalvor/polling_schedule.h"
#include "kalvor/startup.h"
#include "kalvor/tests/model_bus.h"
#include "simulated_day.h"

namespace kalvor {
namespace {

// A user interface that only counts, so that it keeps nothing itself.
class CountingUi final : public KalvorUi {
public:
    void ShowDriverError() override { ++failures; }
    void ShowInUse() override { ++failures; }
    void EndProcess() override { ++failures; }
    void ShowReadings() override {}
    void ShowTrayAlarm(bool alarm) override { trayAlarms += alarm ? 1 : 0; }
    void ShowWarningList(const WarningLines&) override { ++warningLists; }
    void StartPollTimer() override {}
    void StopPollTimer() override {}

    long failures = 0, trayAlarms = 0, warningLists = 0;
};

struct Monitor {
    boardsim::ChipModel model;
    ModelBus bus{model};
    KalvorDialogData dialog;
    CMonitorChip chip{bus, bus, dialog.settings};
    MemoryStore files;
    CKalvorApp app{chip, dialog, files};
    CountingUi ui;
    AlarmEvaluator alarms{chip, dialog, ui};
    PollingSchedule schedule{chip, app, alarms, dialog, bus, ui};
    KalvorStartup startup{chip, app, alarms, schedule, bus, bus, ui};
};

TEST(KalvorSoakTest, ADayOfPollingWithAnHourlyFanStopStaysBounded) {
    Monitor m;
    m.startup.RunStartupSequence();
    ASSERT_TRUE(m.schedule.pollingEnabled);
    bool fanStopped = false;
    std::vector<soak::LiveAllocations> hourly = soak::RunDay({1024, [&](long second) {
        bool fault = soak::InFault(second);
        if (fault != fanStopped) {
            boardsim::ChipInputs inputs;
            inputs.fan1Rpm = fault ? 0 : 4500;
            m.model.SetInputs(inputs);
            fanStopped = fault;
        }
        m.schedule.Tick();
    }});

    EXPECT_EQ(m.ui.failures, 0);
    EXPECT_GE(m.ui.warningLists, 24) << "a warning list in every hour";
    soak::ExpectSameEveryHour(hourly);
}

}  // namespace
}  // namespace kalvor
