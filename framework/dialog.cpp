#include "dialog.h"

#include "win_app.h"

namespace fw {

namespace {

bool IsColourRequest(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

}  // namespace

// A colour request returns its brush; any other answered message passes
// its result in the window.
INT_PTR CWnd::DialogMessage(CWnd* object, HWND window, UINT message, WPARAM w, LPARAM l) {
    if (object == nullptr) return FALSE;
    if (message == WM_DESTROY) {
        object->OnDestroy();
        object->hwnd_ = nullptr;
        SetWindowLongPtrA(window, DWLP_USER, 0);
        return FALSE;
    }
    object->msgResult_ = 0;
    if (!object->OnWndMsg(message, w, l)) return FALSE;
    if (IsColourRequest(message)) return static_cast<INT_PTR>(object->msgResult_);
    SetWindowLongPtrA(window, DWLP_MSGRESULT, object->msgResult_);
    return TRUE;
}

INT_PTR CDialog::DoModal(HWND owner) {
    if (owner == nullptr) owner = MainWindow();
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(hwnd_, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

void CDialog::CenterWindow() const {
    RECT area{};
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT dialog{};
    GetWindowRect(hwnd_, &dialog);
    int width = dialog.right - dialog.left;
    int height = dialog.bottom - dialog.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::OnInitDialog() { UpdateData(false); }

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnWndMsg(UINT message, WPARAM w, LPARAM) {
    if (message != WM_COMMAND || HIWORD(w) != BN_CLICKED) return false;
    if (LOWORD(w) == IDOK) {
        OnOK();
        return true;
    }
    if (LOWORD(w) == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(l);
        SetWindowLongPtrA(window, DWLP_USER, l);
        dialog->hwnd_ = window;
        if (!dialog->OnCreate()) {
            ::EndDialog(window, -1);
            return FALSE;
        }
        dialog->OnInitDialog();
        // The focus goes to the first control that takes it.
        return TRUE;
    }
    return DialogMessage(reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER)), window, message, w, l);
}

}  // namespace fw
