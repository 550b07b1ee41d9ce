#include "frame_wnd.h"

#include <commctrl.h>

#include <string>

#include "document.h"
#include "form_view.h"
#include "framework_ids.h"
#include "tool_tips.h"
#include "win_app.h"

namespace fw {

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

// One window class per class icon; its name, or empty when it cannot be
// registered.
std::string RegisterFrameClass(UINT iconId, WNDPROC procedure) {
    std::string name = "FwFrame:" + std::to_string(iconId);
    WNDCLASSA existing{};
    if (GetClassInfoA(Module(), name.c_str(), &existing)) return name;
    WNDCLASSA frameClass{};
    frameClass.style = CS_DBLCLKS;
    frameClass.lpfnWndProc = procedure;
    frameClass.hInstance = Module();
    frameClass.hIcon = LoadIconA(Module(), MAKEINTRESOURCEA(iconId));
    frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frameClass.lpszClassName = name.c_str();
    return RegisterClassA(&frameClass) ? name : std::string();
}

// The tool tip of a command: the part of its string after the line break.
std::string CommandTip(UINT id) {
    char text[256] = "";
    LoadStringA(Module(), id, text, sizeof text);
    std::string prompt = text;
    std::size_t lineBreak = prompt.find('\n');
    return lineBreak == std::string::npos ? std::string() : prompt.substr(lineBreak + 1);
}

bool IsInside(HWND window, HWND ancestor) { return window == ancestor || IsChild(ancestor, window); }

}  // namespace

bool CFrameWnd::LoadFrame(UINT resourceId, const char* title, const CCreateContext& context) {
    context_ = context;
    std::string className = RegisterFrameClass(resourceId, FrameProc);
    if (className.empty()) return false;
    CREATESTRUCTA create{};
    create.lpszClass = className.c_str();
    create.lpszName = title;
    create.style = WS_OVERLAPPEDWINDOW;
    create.x = create.y = create.cx = create.cy = static_cast<int>(CW_USEDEFAULT);
    create.hMenu = LoadMenuA(Module(), MAKEINTRESOURCEA(resourceId));
    create.hInstance = Module();
    if (!PreCreateWindow(create)) return false;
    accelerators_ = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(resourceId));
    HWND window = CreateWindowExA(create.dwExStyle, create.lpszClass, create.lpszName, create.style, create.x,
                                  create.y, create.cx, create.cy, create.hwndParent, create.hMenu, create.hInstance,
                                  this);
    return window != nullptr && hwnd_ == window;
}

bool CFrameWnd::CreateFrameContent() {
    CView* view = context_.view;
    if (view == nullptr) return true;
    view->SetDocument(context_.document);
    return view->Create(hwnd_, AFX_IDW_PANE_FIRST);
}

bool CFrameWnd::PreTranslateMessage(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    if (accelerators_ != nullptr && TranslateAcceleratorA(hwnd_, accelerators_, &message)) return true;
    HWND view = activeView_ != nullptr ? activeView_->Handle() : nullptr;
    return view != nullptr && IsInside(message.hwnd, view) && IsDialogMessageA(view, &message);
}

bool CFrameWnd::RouteCommand(UINT id, CCmdUI* state) {
    return RouteThrough({activeView_, context_.document, this, TheApp()}, id, state);
}

void CFrameWnd::RecalcLayout() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (toolBar_ != nullptr) toolBar_->Resize();
    if (statusBar_ != nullptr) statusBar_->Resize();
    int top = toolBar_ != nullptr ? toolBar_->Height() : 0;
    int bottom = client.bottom - (statusBar_ != nullptr ? statusBar_->Height() : 0);
    if (activeView_ != nullptr && activeView_->Exists())
        MoveWindow(activeView_->Handle(), 0, top, client.right, bottom > top ? bottom - top : 0, TRUE);
}

LRESULT CFrameWnd::Default() {
    return DefWindowProcA(current_.hwnd, current_.message, current_.wParam, current_.lParam);
}

void CFrameWnd::OnSize(WPARAM, LPARAM) { RecalcLayout(); }

void CFrameWnd::OnClose() { DestroyWindow(hwnd_); }

bool CFrameWnd::OnWndMsg(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_CREATE:
        SetMsgResult(CreateFrameContent() ? 0 : -1);
        return true;
    case WM_SIZE:
        OnSize(w, l);
        return true;
    case WM_CLOSE:
        OnClose();
        return true;
    case WM_COMMAND:
        OnCommandMessage(w, l);
        return true;
    case WM_INITMENUPOPUP:
        if (HIWORD(l) == 0) OnInitMenuPopup(reinterpret_cast<HMENU>(w));
        return true;
    case WM_NOTIFY:
        OnNotifyMessage(l);
        return true;
    case WM_SETFOCUS:
        if (activeView_ != nullptr && activeView_->Exists()) SetFocus(activeView_->Handle());
        return true;
    case WM_DESTROY:
        if (TheApp() != nullptr && TheApp()->MainFrame() == this) PostQuitMessage(0);
        return true;
    default:
        return false;
    }
}

void CFrameWnd::OnCommandMessage(WPARAM w, LPARAM l) {
    // Menus and accelerators name no control; toolbar buttons name the bar.
    HWND from = reinterpret_cast<HWND>(l);
    bool fromToolBar = toolBar_ != nullptr && from == toolBar_->Handle();
    if (from == nullptr || fromToolBar) RouteCommand(LOWORD(w), nullptr);
}

void CFrameWnd::OnInitMenuPopup(HMENU menu) {
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        UINT id = GetMenuItemID(menu, position);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separators and submenus
        MenuItemState state = MenuItemStateOf(id, [this](unsigned item, CCmdUI* question) {
            return RouteCommand(item, question);
        });
        EnableMenuItem(menu, position, MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
        if (state.checked)
            CheckMenuItem(menu, position, MF_BYPOSITION | (*state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CFrameWnd::OnNotifyMessage(LPARAM l) {
    auto* header = reinterpret_cast<NMHDR*>(l);
    if (IsToolTipRequest(*header)) AnswerToolTip(header, CommandTip(static_cast<UINT>(header->idFrom)));
}

LRESULT CFrameWnd::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    current_ = {hwnd_, message, w, l, 0, {}};
    msgResult_ = 0;
    if (OnWndMsg(message, w, l)) return msgResult_;
    return DefWindowProcA(hwnd_, message, w, l);
}

LRESULT CALLBACK CFrameWnd::FrameProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* frame = reinterpret_cast<CFrameWnd*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (frame == nullptr && message == WM_NCCREATE) {
        frame = static_cast<CFrameWnd*>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
        frame->hwnd_ = window;
    }
    if (frame == nullptr) return DefWindowProcA(window, message, w, l);
    if (message == WM_NCDESTROY) {
        frame->hwnd_ = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return DefWindowProcA(window, message, w, l);
    }
    return frame->HandleMessage(message, w, l);
}

}  // namespace fw
