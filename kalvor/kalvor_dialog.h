// CKalvorDlg: the monitor's one window. It shows the readings, edits the
// limits, alarm switches, unit and polling interval and applies each at
// once, saves and reloads the settings, and lives behind a tray icon.
#pragma once

#include "alarm_evaluator.h"
#include "framework/dialog.h"
#include "framework/tray_icon.h"
#include "kalvor_app.h"
#include "polling_schedule.h"

namespace kalvor {

class CKalvorDlg final : public fw::CDialog {
public:
    CKalvorDlg(KalvorDialogData& data, CMonitorChip& chip, CKalvorApp& app, PollingSchedule& schedule,
               AlarmEvaluator& alarms);

    // The readings of the last update, and the fan alarm boxes, into the
    // controls. Nothing before the window exists.
    void ShowReadings();
    // The tray icon's picture: the alarm icon or the normal one.
    void ShowTrayAlarm(bool alarm);
    // Takes the tray icon away (the process is about to end).
    void RemoveTrayIcon();

protected:
    void DoDataExchange(fw::CDataExchange& exchange) override;
    void OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;
    bool OnWndMsg(UINT message, WPARAM w, LPARAM l) override;

private:
    void OnPaint(WPARAM, LPARAM);
    void OnTrayNotify(WPARAM, LPARAM mouseMessage);
    void OnClose(WPARAM, LPARAM);
    void OnTaskbarCreated(WPARAM, LPARAM);
    void OnLimitKillFocus(UINT id);
    void OnPollingIntervalChange();
    void OnAlarmBox(UINT id);
    void OnUnitChange(UINT id);
    void OnUpdateAndSave();
    void OnUserSetting();
    void OnDefaultSetting();
    void OnHide();
    void OnMinimizeBox();
    void OnCheck1();

    bool AskToClose();
    void ExchangeReadings(fw::CDataExchange& exchange);
    void ReloadSettings(const char* fileName);

    KalvorDialogData& data_;
    CMonitorChip& chip_;
    CKalvorApp& app_;
    PollingSchedule& schedule_;
    AlarmEvaluator& alarms_;
    fw::CTrayIcon tray_;
    HICON normalIcon_ = nullptr;
    HICON alarmIcon_ = nullptr;
    // Every paint hides the window until the tray icon is first clicked.
    bool startHidden_ = true;
};

}  // namespace kalvor
