// A window the program owns: its handle and the few calls made on it.
// Derived classes answer messages through OnWndMsg and their message map.
#pragma once

#include <windows.h>

namespace fw {

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND Handle() const { return hwnd_; }
    bool Exists() const { return hwnd_ != nullptr; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

    void Show(int command) const { ShowWindow(hwnd_, command); }
    bool IsZoomed() const { return ::IsZoomed(hwnd_) != FALSE; }
    void Post(UINT message, WPARAM w = 0, LPARAM l = 0) const { PostMessageA(hwnd_, message, w, l); }
    // Answers WM_PAINT without drawing. Only the window's own update region
    // is validated; ValidateRect would take its children's too, and they
    // would never paint.
    void ValidateWithoutDrawing() const {
        PAINTSTRUCT paint;
        BeginPaint(hwnd_, &paint);
        EndPaint(hwnd_, &paint);
    }
    // A timer of `periodMs` on the window under the first id from `first`
    // to `last` that the system grants; 0 when it grants none.
    UINT SetFirstFreeTimer(UINT first, UINT last, UINT periodMs) const {
        UINT granted = 0;
        for (UINT id = first; id <= last && granted == 0; ++id)
            granted = static_cast<UINT>(SetTimer(hwnd_, id, periodMs, nullptr));
        return granted;
    }
    void SetLargeIcon(HICON icon) const { SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon)); }

protected:
    ~CWnd() = default;

    // The class's message map: true when a handler answered the message.
    virtual bool OnWndMsg(UINT message, WPARAM w, LPARAM l) = 0;

    // WM_DESTROY of a window run by a dialog procedure; the handle is still
    // valid.
    virtual void OnDestroy() {}

    // A message after WM_INITDIALOG for a window run by a dialog procedure
    // (a modal dialog, a form view): WM_DESTROY lets the object go, the rest
    // goes to the message map and is answered as a dialog procedure must.
    static INT_PTR DialogMessage(CWnd* object, HWND window, UINT message, WPARAM w, LPARAM l);

    // The value a handler returns for its message (WM_CREATE's -1, the
    // brush of a colour request); 0 unless the handler sets it.
    void SetMsgResult(LRESULT result) { msgResult_ = result; }

    HWND hwnd_ = nullptr;
    LRESULT msgResult_ = 0;
};

}  // namespace fw
