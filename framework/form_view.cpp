#include "form_view.h"

#include <commctrl.h>


namespace fw {

bool CFormView::Create(HWND frame, int id) {
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), frame, FormProc,
                                     reinterpret_cast<LPARAM>(this));
    if (window == nullptr || !IsWindow(window)) return false;
    SetWindowLongPtrA(window, GWLP_ID, id);
    // The template is a plain child; a view shows as soon as its frame does.
    ShowWindow(window, SW_SHOWNA);
    RECT client{};
    GetClientRect(window, &client);
    totalSize_ = {client.right, client.bottom};
    return true;
}

void CFormView::SetScrollSizes(int, SIZE total) {
    totalSize_ = total;
    if (total.cx == 0 && total.cy == 0) ShowScrollBar(hwnd_, SB_BOTH, FALSE);
}

void CFormView::EnableToolTips() {
    if (toolTips_ != nullptr) return;
    toolTips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(child);
        tool.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(toolTips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

bool CFormView::OnWndMsg(UINT message, WPARAM, LPARAM) {
    if (message != WM_PAINT) return false;
    OnPaint();
    return true;
}

void CFormView::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    OnDraw(dc);
    EndPaint(hwnd_, &paint);
}

INT_PTR CALLBACK CFormView::FormProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_INITDIALOG) {
        auto* view = reinterpret_cast<CFormView*>(l);
        SetWindowLongPtrA(window, DWLP_USER, l);
        view->hwnd_ = window;
        if (!view->OnCreate()) {
            view->hwnd_ = nullptr;
            SetWindowLongPtrA(window, DWLP_USER, 0);
            DestroyWindow(window);
        }
        return FALSE;
    }
    return DialogMessage(reinterpret_cast<CFormView*>(GetWindowLongPtrA(window, DWLP_USER)), window, message, w, l);
}

}  // namespace fw
