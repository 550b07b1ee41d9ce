#include "warning_dialog.h"

#include "framework/framework_ids.h"
#include "framework/message_map.h"
#include "framework/win_app.h"
#include "frame_rules.h"
#include "pelmox/res/resource_ids.h"
#include "private_messages.h"

namespace pelmox {

namespace {

constexpr UINT kFirstTimer = 5;
constexpr UINT kLastTimer = 14;
constexpr UINT kTimerPeriodMs = 100;
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
    timer_ = SetFirstFreeTimer(kFirstTimer, kLastTimer, kTimerPeriodMs);
    return true;
}

void CWarningDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    painted_ = false;
}

void CWarningDlg::OnDestroy() {
    if (timer_ != 0) KillTimer(hwnd_, timer_);
    timer_ = 0;
    painted_ = false;
    auto* last = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(hwnd_, IDC_WARNING_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, 0));
    if (last != nullptr) DeleteObject(last);
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
    if (bitmap != 0) ShowPicture(bitmap);
    animationBusy_ = false;
}

// The previous picture (at first the template's) goes once the new one is
// in place; a picture that cannot be loaded leaves the old one.
void CWarningDlg::ShowPicture(int bitmap) {
    auto* picture = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmap), IMAGE_BITMAP, 0, 0, 0));
    if (picture == nullptr) return;
    HWND control = Item(IDC_WARNING_PICTURE);
    auto* previous = reinterpret_cast<HBITMAP>(
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
    if (previous != nullptr) DeleteObject(previous);
    InvalidateRect(control, nullptr, FALSE);
    UpdateWindow(control);
}

void CWarningDlg::OnHelp() { fw::TheApp()->WinHelp(static_cast<DWORD>(HelpContext(kind_))); }

void CWarningDlg::OnDisplay() {
    PostMessageA(GetParent(hwnd_), WM_RESTOREMAIN, 0, 0);
    OnOK();
}

}  // namespace pelmox
