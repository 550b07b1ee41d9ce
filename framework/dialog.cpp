#include "dialog.h"

namespace fw {

INT_PTR CDialog::DoModal(HWND owner) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(hwnd_, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.Failed();
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
        dialog->OnInitDialog();
        // The focus goes to the first control that takes it.
        return TRUE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr) return FALSE;
    if (message == WM_DESTROY) {
        dialog->OnDestroy();
        dialog->hwnd_ = nullptr;
        SetWindowLongPtrA(window, DWLP_USER, 0);
        return FALSE;
    }
    return dialog->OnWndMsg(message, w, l) ? TRUE : FALSE;
}

}  // namespace fw
