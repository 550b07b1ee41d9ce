// The monitor's objects, one of each for the whole run, wired together:
// the bus, the chip, the settings and readings, the schedule and alarms,
// their windows, and the application object that runs them.
#pragma once

#include "framework/thread_timer.h"
#include "framework/win_app.h"
#include "kalvor_dialog.h"
#include "library_bus.h"
#include "startup.h"

namespace kalvor {

class KalvorProgram;

// The core's windows and timer as real ones.
class WindowsUi final : public KalvorUi {
public:
    explicit WindowsUi(KalvorProgram& program);

    void ShowDriverError() override;
    void ShowInUse() override;
    void EndProcess() override;
    void ShowReadings() override;
    void ShowTrayAlarm(bool alarm) override;
    void ShowWarningList(const WarningLines& lines) override;
    void StartPollTimer() override;
    void StopPollTimer() override;

private:
    KalvorProgram& program_;
    fw::CThreadTimer pollTimer_;
};

class CKalvorWinApp final : public fw::CWinApp {
public:
    explicit CKalvorWinApp(KalvorProgram& program) : program_(program) {}

    // Bus check and claim, then the chip's start behind the wait dialog.
    bool InitApplication() override;
    // The main dialog, modally, as the main window; the program ends with it.
    bool InitInstance() override;
    // The chip stopped and the bus released.
    int ExitInstance() override;

private:
    KalvorProgram& program_;
};

class KalvorProgram {
public:
    KalvorProgram();

    LibraryBus bus;
    KalvorDialogData data;
    CMonitorChip chip;
    FileSettingsStore files;
    CKalvorApp settings;
    WindowsUi ui;
    AlarmEvaluator alarms;
    PollingSchedule schedule;
    KalvorStartup startup;
    CKalvorDlg mainDialog;
    CKalvorWinApp application;
};

}  // namespace kalvor
