#include "kalvor_dialog.h"

#include "dialog_controls.h"
#include "framework/message_map.h"
#include "framework/win_app.h"
#include "limit_edits.h"
#include "resource_ids.h"

namespace kalvor {
namespace {

constexpr char kTrayTip[] = "Health Monitor";
constexpr char kCloseQuestion[] = "Do you wand to close Health Center windows ?";
constexpr char kCloseCaption[] = "Health Center Message";
constexpr char kSaveFailed[] = "The settings could not be saved to KALVOR.DAT.";

// The combo box's items, in the order of the PollingInt values.
constexpr const char* kPollingIntervals[] = {"4 Seconds", "12 Seconds", "40 Seconds", "120 Seconds"};

// The tray wants the small picture of an icon; loaded once for the run.
HICON LoadTrayIcon(int id) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace

CKalvorDlg::CKalvorDlg(KalvorDialogData& data, CMonitorChip& chip, CKalvorApp& app, PollingSchedule& schedule,
                       AlarmEvaluator& alarms)
    : CDialog(IDD_KALVOR),
      data_(data),
      chip_(chip),
      app_(app),
      schedule_(schedule),
      alarms_(alarms),
      tray_(TRAY_ICON_ID, WM_TRAYNOTIFY) {}

bool CKalvorDlg::OnWndMsg(UINT message, WPARAM w, LPARAM l) {
    static const fw::MessageEntry<CKalvorDlg> kMap[] = {
        fw::OnMessage(WM_PAINT, &CKalvorDlg::OnPaint),
        fw::OnMessage(WM_TRAYNOTIFY, &CKalvorDlg::OnTrayNotify),
        fw::OnMessage(WM_CLOSE, &CKalvorDlg::OnClose),
        fw::OnMessage(TaskbarCreatedMessage(), &CKalvorDlg::OnTaskbarCreated),
        fw::OnNotifyRange(EN_KILLFOCUS, IDC_FIRST_LIMIT_EDIT, IDC_LAST_LIMIT_EDIT, &CKalvorDlg::OnLimitKillFocus),
        fw::OnNotify(CBN_SELCHANGE, IDC_POLLING_INTERVAL, &CKalvorDlg::OnPollingIntervalChange),
        fw::OnNotifyRange(BN_CLICKED, IDC_FIRST_ALARM_BOX, IDC_LAST_ALARM_BOX, &CKalvorDlg::OnAlarmBox),
        fw::OnNotifyRange(BN_CLICKED, IDC_CELSIUS, IDC_FAHRENHEIT, &CKalvorDlg::OnUnitChange),
        fw::OnCommand(IDC_UPDATE_AND_SAVE, &CKalvorDlg::OnUpdateAndSave),
        fw::OnCommand(IDC_USER_SETTING, &CKalvorDlg::OnUserSetting),
        fw::OnCommand(IDC_DEFAULT_SETTING, &CKalvorDlg::OnDefaultSetting),
        fw::OnCommand(IDC_HIDE, &CKalvorDlg::OnHide),
        fw::OnCommand(IDC_MINIMIZE, &CKalvorDlg::OnMinimizeBox),
        fw::OnCommand(IDC_CHECK1, &CKalvorDlg::OnCheck1),
        // "Update w/o Save" does nothing of its own: an edited value was
        // applied when its edit lost the focus to the button.
    };
    return fw::Dispatch(*this, kMap, message, w, l) || CDialog::OnWndMsg(message, w, l);
}

// The window's creation work comes first: the icons, the tray icon (which
// hides the window), then the controls filled from the values held.
void CKalvorDlg::OnInitDialog() {
    normalIcon_ = LoadTrayIcon(IDI_TRAY_NORMAL);
    alarmIcon_ = LoadTrayIcon(IDI_TRAY_ALARM);
    SetLargeIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_KALVOR)));
    tray_.Add(hwnd_, normalIcon_, kTrayTip);
    Show(SW_HIDE);
    for (const char* interval : kPollingIntervals)
        SendDlgItemMessageA(hwnd_, IDC_POLLING_INTERVAL, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(interval));
    CDialog::OnInitDialog();
}

void CKalvorDlg::DoDataExchange(fw::CDataExchange& exchange) {
    LimitTexts& limits = data_.limitTexts;
    SettingValues& s = data_.settings;
    Readings& r = data_.readings;
    exchange.Text(IDC_V1_HIGH, limits.v1HiLimit);
    exchange.Text(IDC_TEMP_HYST, limits.tempHyst);
    exchange.Text(IDC_TEMP_OVER, limits.tempOver);
    exchange.Text(IDC_V1_LOW, limits.v1LoLimit);
    exchange.Text(IDC_V2_HIGH, limits.v2HiLimit);
    exchange.Text(IDC_V2_LOW, limits.v2LoLimit);
    exchange.Text(IDC_V3_HIGH, limits.v3HiLimit);
    exchange.Text(IDC_V3_LOW, limits.v3LoLimit);
    exchange.Text(IDC_VDD_HIGH, limits.vddHiLimit);
    exchange.Text(IDC_VDD_LOW, limits.vddLoLimit);
    exchange.Text(IDC_FAN1_LIMIT, limits.fan1Limit);
    exchange.Text(IDC_FAN2_LIMIT, limits.fan2Limit);
    exchange.ComboIndex(IDC_POLLING_INTERVAL, s.pollingInt);
    exchange.Text(IDC_MANUFACTOR, s.manufactor);
    exchange.Int(IDC_TEMPERATURE, r.temperature);
    exchange.Text(IDC_VCORE, r.vcoreText);
    exchange.Text(IDC_FAN1_SPEED, r.fan1Text);
    exchange.Text(IDC_FAN2_SPEED, r.fan2Text);
    exchange.Check(IDC_MINIMIZE, s.minimize);
    exchange.Check(IDC_ALARM_TEMP, s.alarmTemp);
    exchange.Check(IDC_ALARM_FAN1, s.alarmFan1);
    exchange.Check(IDC_ALARM_FAN2, s.alarmFan2);
    exchange.Check(IDC_ALARM_VCORE, s.alarmVCore);
    exchange.Check(IDC_ALARM_VDD, s.alarmVdd);
    exchange.Check(IDC_ALARM_VIN1, s.alarmVin1);
    exchange.Check(IDC_ALARM_VIN2, s.alarmVin2);
    exchange.Int(IDC_TEMPERATURE2, r.temperature2);
    exchange.Text(IDC_V5, r.v5Text);
    exchange.Text(IDC_V33, r.v33Text);
    exchange.Text(IDC_V12, r.v12Text);
    exchange.Check(IDC_CELSIUS, s.celsius);
    exchange.Check(IDC_FAHRENHEIT, s.fahrenheit);
}

// What every full update shows.
void CKalvorDlg::ExchangeReadings(fw::CDataExchange& exchange) {
    Readings& r = data_.readings;
    exchange.Int(IDC_TEMPERATURE, r.temperature);
    exchange.Int(IDC_TEMPERATURE2, r.temperature2);
    exchange.Text(IDC_V33, r.v33Text);
    exchange.Text(IDC_V12, r.v12Text);
    exchange.Text(IDC_V5, r.v5Text);
    exchange.Text(IDC_VCORE, r.vcoreText);
    exchange.Text(IDC_FAN1_SPEED, r.fan1Text);
    exchange.Text(IDC_FAN2_SPEED, r.fan2Text);
    exchange.Check(IDC_ALARM_FAN1, data_.settings.alarmFan1);
    exchange.Check(IDC_ALARM_FAN2, data_.settings.alarmFan2);
}

void CKalvorDlg::ShowReadings() {
    if (!Exists()) return;
    fw::CDataExchange exchange(hwnd_, false);
    ExchangeReadings(exchange);
}

void CKalvorDlg::ShowTrayAlarm(bool alarm) { tray_.Change(alarm ? alarmIcon_ : normalIcon_, kTrayTip); }

void CKalvorDlg::RemoveTrayIcon() { tray_.Remove(); }

void CKalvorDlg::OnPaint(WPARAM, LPARAM) {
    if (IsZoomed()) Show(SW_RESTORE);
    PAINTSTRUCT paint;
    BeginPaint(hwnd_, &paint);
    EndPaint(hwnd_, &paint);
    if (startHidden_) Show(SW_HIDE);
}

void CKalvorDlg::OnTrayNotify(WPARAM, LPARAM mouseMessage) {
    if (mouseMessage != WM_LBUTTONDOWN && mouseMessage != WM_RBUTTONDOWN) return;
    startHidden_ = false;
    Show(SW_SHOW);
    Show(SW_RESTORE);
    SetForegroundWindow(hwnd_);
}

bool CKalvorDlg::AskToClose() {
    return MessageBoxA(hwnd_, kCloseQuestion, kCloseCaption, MB_YESNO) == IDYES;
}

void CKalvorDlg::OnClose(WPARAM, LPARAM) {
    if (!AskToClose()) return;
    tray_.Remove();
    OnCancel();
}

// The Quit button.
void CKalvorDlg::OnOK() {
    if (AskToClose()) CDialog::OnOK();
}

void CKalvorDlg::OnDestroy() { tray_.Remove(); }

// The shell started again and forgot its icons.
void CKalvorDlg::OnTaskbarCreated(WPARAM, LPARAM) {
    tray_.Add(hwnd_, alarms_.trayAlarmShown ? alarmIcon_ : normalIcon_, kTrayTip);
}

void CKalvorDlg::OnLimitKillFocus(UINT id) {
    // The focus also leaves an edit when the window hides or closes; only
    // a focus change the user made validates.
    if (!IsWindowVisible(hwnd_)) return;
    fw::CDataExchange exchange(hwnd_, true);
    std::string text;
    exchange.Text(static_cast<int>(id), text);
    LimitEditOutcome outcome =
        ApplyLimitEdit(static_cast<int>(id), text, data_, chip_, schedule_.pollingEnabled);
    if (outcome.result != LimitEditResult::Accepted) exchange.Fail(outcome.message);
}

void CKalvorDlg::OnPollingIntervalChange() {
    fw::CDataExchange exchange(hwnd_, true);
    exchange.ComboIndex(IDC_POLLING_INTERVAL, data_.settings.pollingInt);
}

void CKalvorDlg::OnAlarmBox(UINT id) {
    const AlarmBox* box = FindAlarmBox(static_cast<int>(id));
    if (box == nullptr) return;
    fw::CDataExchange exchange(hwnd_, true);
    exchange.Check(box->controlId, data_.settings.*(box->setting));
    ApplyAlarmBox(*box, data_.settings, chip_);
}

void CKalvorDlg::OnUnitChange(UINT) {
    fw::CDataExchange fromButtons(hwnd_, true);
    fromButtons.Check(IDC_CELSIUS, data_.settings.celsius);
    fromButtons.Check(IDC_FAHRENHEIT, data_.settings.fahrenheit);
    ApplyUnitChange(data_, chip_);
    fw::CDataExchange toControls(hwnd_, false);
    toControls.Int(IDC_TEMPERATURE, data_.readings.temperature);
    toControls.Int(IDC_TEMPERATURE2, data_.readings.temperature2);
    toControls.Text(IDC_TEMP_OVER, data_.limitTexts.tempOver);
    toControls.Text(IDC_TEMP_HYST, data_.limitTexts.tempHyst);
}

void CKalvorDlg::OnUpdateAndSave() {
    if (!app_.WriteSettings(kUserSettingsFile)) fw::AppMessageBox(hwnd_, kSaveFailed, MB_OK | MB_ICONEXCLAMATION);
}

void CKalvorDlg::ReloadSettings(const char* fileName) {
    app_.ReadSettings(fileName, true);
    UpdateData(false);
}

void CKalvorDlg::OnUserSetting() { ReloadSettings(kUserSettingsFile); }

void CKalvorDlg::OnDefaultSetting() { ReloadSettings(kDefaultSettingsFile); }

void CKalvorDlg::OnHide() { Show(SW_HIDE); }

void CKalvorDlg::OnMinimizeBox() {
    fw::CDataExchange exchange(hwnd_, true);
    exchange.Check(IDC_MINIMIZE, data_.settings.minimize);
}

// The hidden "Check1" box: the tray icon again, without a tip.
void CKalvorDlg::OnCheck1() { tray_.Add(hwnd_, normalIcon_, ""); }

}  // namespace kalvor
