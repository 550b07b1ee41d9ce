#include "kalvor_program.h"

#include "framework/benchmark_period.h"
#include "startup_dialogs.h"
#include "warning_list_dialog.h"

namespace kalvor {
namespace {

// The polling period. Benchmarks shorten it with KALVOR_POLL_PERIOD_MS to
// run an hour of ticks in minutes.
constexpr UINT kPollPeriodMs = 1024;
constexpr UINT kShortestPollPeriodMs = 10;

}  // namespace

KalvorProgram::KalvorProgram()
    : chip(bus, bus, data.settings),
      settings(chip, data, files),
      ui(*this),
      alarms(chip, data, ui),
      schedule(chip, settings, alarms, data, bus, ui),
      startup(chip, settings, alarms, schedule, bus, bus, ui),
      mainDialog(data, chip, settings, schedule, alarms),
      application(*this) {}

WindowsUi::WindowsUi(KalvorProgram& program)
    : program_(program), pollTimer_([this] { program_.schedule.Tick(); }) {}

// The small dialogs belong to the main dialog once it exists, hidden or not.
void WindowsUi::ShowDriverError() { CDriverErrorDlg().DoModal(program_.mainDialog.Handle()); }

void WindowsUi::ShowInUse() { CInUseDlg().DoModal(program_.mainDialog.Handle()); }

// Nothing of the chip or the bus is touched; only the tray icon goes, so
// that no dead icon stays behind in the taskbar.
void WindowsUi::EndProcess() {
    program_.mainDialog.RemoveTrayIcon();
    ExitProcess(0);
}

void WindowsUi::ShowReadings() { program_.mainDialog.ShowReadings(); }

void WindowsUi::ShowTrayAlarm(bool alarm) { program_.mainDialog.ShowTrayAlarm(alarm); }

void WindowsUi::ShowWarningList(const WarningLines& lines) {
    CWarningListDlg(lines).DoModal(program_.mainDialog.Handle());
}

void WindowsUi::StartPollTimer() {
    static const UINT period = fw::BenchmarkPeriodMs("KALVOR_POLL_PERIOD_MS", kPollPeriodMs, kShortestPollPeriodMs);
    pollTimer_.Start(period);
}

void WindowsUi::StopPollTimer() { pollTimer_.Stop(); }

bool CKalvorWinApp::InitApplication() {
    if (program_.startup.ClaimBus() == BusClaim::Claimed) CWaitDlg(program_.startup).DoModal();
    return true;
}

// Dialog controls have the three-dimensional look through their templates.
bool CKalvorWinApp::InitInstance() {
    program_.mainDialog.DoModal();
    return false;
}

int CKalvorWinApp::ExitInstance() {
    program_.startup.ExitInstance();
    return CWinApp::ExitInstance();
}

}  // namespace kalvor
