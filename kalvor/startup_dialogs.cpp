#include "startup_dialogs.h"

#include "framework/message_map.h"
#include "resource_ids.h"

namespace kalvor {

CWaitDlg::CWaitDlg(KalvorStartup& startup) : CDialog(IDD_WAIT), startup_(startup) {}

bool CWaitDlg::OnWndMsg(UINT message, WPARAM w, LPARAM l) {
    static const fw::MessageEntry<CWaitDlg> kMap[] = {
        fw::OnMessage(WM_PAINT, &CWaitDlg::OnPaint),
        fw::OnMessage(WM_KILLFOCUS, &CWaitDlg::OnKillFocus),
    };
    return fw::Dispatch(*this, kMap, message, w, l) || CDialog::OnWndMsg(message, w, l);
}

// Nothing of its own to paint; the start comes once the dialog is on screen.
void CWaitDlg::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    BeginPaint(hwnd_, &paint);
    EndPaint(hwnd_, &paint);
    Post(WM_KILLFOCUS);
}

// The sequence runs once, however often the message comes (every paint
// posts it, and so does a real loss of focus).
void CWaitDlg::OnKillFocus(WPARAM, LPARAM) {
    startup_.RunStartupSequence();
    Post(WM_CLOSE);
}

CDriverErrorDlg::CDriverErrorDlg() : CDialog(IDD_DRIVER_ERROR) {}

void CDriverErrorDlg::OnOK() { ExitProcess(0); }

CInUseDlg::CInUseDlg() : CDialog(IDD_IN_USE) {}

}  // namespace kalvor
