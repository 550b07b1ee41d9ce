// The whole monitor core wired together on a bus, for tests: the chip,
// the application's settings and readings, the alarms, the schedule and
// the start-up, with a recording user interface and no settings files.
#pragma once

#include "fake_ui.h"
#include "kalvor/polling_schedule.h"
#include "kalvor/startup.h"
#include "model_bus.h"

namespace kalvor {

struct MonitorCore {
    template <typename Bus>
    explicit MonitorCore(Bus& bus)
        : chip(bus, bus, dialog.settings),
          app(chip, dialog, files),
          alarms(chip, dialog, ui),
          schedule(chip, app, alarms, dialog, bus, ui),
          startup(chip, app, alarms, schedule, bus, bus, ui) {}

    KalvorDialogData dialog;
    CMonitorChip chip;
    NoFiles files;
    CKalvorApp app;
    FakeUi ui;
    AlarmEvaluator alarms;
    PollingSchedule schedule;
    KalvorStartup startup;
};

}  // namespace kalvor
