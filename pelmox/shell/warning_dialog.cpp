#include "warning_dialog.h"

#include "framework/framework_ids.h"
#include "framework/message_map.h"
#include "framework/win_app.h"
#include "frame_rules.h"
#include "pelmox/res/resource_ids.h"
#include "private_messages.h"
#include "timer_period.h"

namespace pelmox {

namespace {

constexpr UINT kFirstTimer = 5;
constexpr UINT kLastTimer = 14;
constexpr char kWarningCaption[] = "  Tavro System Hardware Monitor";

}  // namespace

CWarningDlg::CWarningDlg() : CDialog(IDD_WARNING) {}

void CWarningDlg::ShowWarning(const std::string& text, int kind) {
    gate_.Show([&] {
        text_ = text;
        kind_ = kind;
        DoModal();
    });
}

bool CWarningDlg::OnWndMsg(UINT message, WPARAM w, LPARAM l) {
    static const fw::MessageEntry<CWarningDlg> kMap[] = {
        fw::OnMessage(WM_TIMER, &CWarningDlg::OnTimer),
        fw::OnMessage(WM_PAINT, &CWarningDlg::OnPaint),
        fw::OnCommand(ID_HELP, &CWarningDlg::OnHelp),
        fw::OnCommand(IDC_WARNING_DISPLAY, &CWarningDlg::OnDisplay),
    };
    return fw::Dispatch(*this, kMap, message, w, l) || CDialog::OnWndMsg(message, w, l);
}

// Without a timer the warning still shows; its picture moves on repaints.
bool CWarningDlg::OnCreate() {
    timer_ = SetFirstFreeTimer(kFirstTimer, kLastTimer, TimerPeriodMs());
    return true;
}

void CWarningDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    pictures_.Attach(hwnd_);
    painted_ = false;
}

void CWarningDlg::OnDestroy() {
    if (timer_ != 0) KillTimer(hwnd_, timer_);
    timer_ = 0;
    painted_ = false;
    pictures_.Detach();
}

void CWarningDlg::OnTimer(WPARAM, LPARAM) {
    if (timerBusy_) return;
    timerBusy_ = true;
    if (IsIconic(hwnd_)) Show(SW_RESTORE);
    AnimationStep();
    timerBusy_ = false;
}

void CWarningDlg::OnPaint(WPARAM, LPARAM) {
    ValidateWithoutDrawing();
    painted_ = true;
    SetDlgItemTextA(hwnd_, IDC_WARNING_TEXT, text_.c_str());
    SetWindowTextA(hwnd_, kWarningCaption);
    AnimationStep();
}

void CWarningDlg::AnimationStep() {
    if (!painted_ || animationBusy_) return;
    animationBusy_ = true;
    int bitmap = animation_.Step(kind_);
    if (bitmap != 0) pictures_.ShowBitmap(IDC_WARNING_PICTURE, bitmap);
    animationBusy_ = false;
}

void CWarningDlg::OnHelp() { fw::TheApp()->WinHelp(static_cast<DWORD>(HelpContext(kind_))); }

void CWarningDlg::OnDisplay() {
    PostMessageA(GetParent(hwnd_), WM_RESTOREMAIN, 0, 0);
    OnOK();
}

}  // namespace pelmox
