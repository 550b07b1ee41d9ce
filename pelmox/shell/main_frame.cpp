#include "main_frame.h"

#include "framework/form_view.h"
#include "framework/framework_ids.h"
#include "framework/message_map.h"
#include "framework/win_app.h"
#include "pelmox/res/resource_ids.h"
#include "timer_period.h"

namespace pelmox {

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

constexpr int kFrameWidth = 330;
constexpr int kFrameHeight = 375;
constexpr UINT kFirstFrameTimer = 11;
constexpr UINT kLastFrameTimer = 14;

// The message pane, then the Caps Lock, Num Lock and Scroll Lock indicators.
constexpr UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

ScreenSize Screen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace

CMainFrame::CMainFrame()
    : trayIcon_(kFrameTrayIconId, WM_TRAYNOTIFY), taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {}

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& create) {
    create.style = (create.style | WS_BORDER) & ~(WS_THICKFRAME | WS_MAXIMIZEBOX);
    create.x = InitialFrameX(Screen());
    create.y = InitialFrameY(Screen());
    return CFrameWnd::PreCreateWindow(create);
}

bool CMainFrame::OnWndMsg(UINT message, WPARAM w, LPARAM l) {
    static const fw::MessageEntry<CMainFrame> kMap[] = {
        fw::OnMessage(WM_CREATE, &CMainFrame::OnCreate),
        fw::OnMessage(WM_SYSCOMMAND, &CMainFrame::OnSysCommand),
        fw::OnMessage(WM_CLOSE, &CMainFrame::OnClose),
        fw::OnMessage(WM_SIZE, &CMainFrame::OnSize),
        fw::OnMessage(WM_PAINT, &CMainFrame::OnPaint),
        fw::OnMessage(WM_TIMER, &CMainFrame::OnTimer),
        fw::OnMessage(WM_QUERYENDSESSION, &CMainFrame::OnQueryEndSession),
        fw::OnMessage(WM_TRAYNOTIFY, &CMainFrame::OnTrayNotify),
        fw::OnMessage(WM_RESTOREMAIN, &CMainFrame::OnRestoreMain),
    };
    if (message == taskbarCreated_) {
        OnTaskbarCreated();
        return true;
    }
    return fw::Dispatch(*this, kMap, message, w, l) || CFrameWnd::OnWndMsg(message, w, l);
}

bool CMainFrame::OnCmdMsg(UINT id, fw::CCmdUI* state) {
    static const fw::CommandEntry<CMainFrame> kCommands[] = {
        fw::Command(ID_HIDE, &CMainFrame::OnHide),
        fw::Command(ID_RESTORE, &CMainFrame::OnRestore),
        fw::Command(ID_HELP, &CMainFrame::OnHelp),
    };
    return fw::RouteCommand(*this, kCommands, id, state);
}

void CMainFrame::OnCreate(WPARAM, LPARAM) {
    // The standard system menu's Close item and the separator above it.
    HMENU systemMenu = GetSystemMenu(hwnd_, FALSE);
    DeleteMenu(systemMenu, 6, MF_BYPOSITION);
    DeleteMenu(systemMenu, 5, MF_BYPOSITION);

    trayMenu_.CreatePopupMenu();
    trayMenu_.AppendItem(ID_HELP, "Help");
    trayMenu_.AppendItem(ID_APP_ABOUT, "About");
    trayMenu_.AppendSeparator();
    trayMenu_.AppendItem(ID_RESTORE, "Restore");

    // A running copy carries the program's caption once it has painted;
    // this frame still carries the template's title.
    HWND running = FindWindowA(nullptr, kProgramCaption);
    if (running != nullptr) {
        Post(WM_QUIT);
        PostMessageA(running, WM_RESTOREMAIN, 0, 0);
    }

    if (!CreateFrameContent() || !CreateBars()) {
        SetMsgResult(-1);
        return;
    }
    SetLargeIcon(LoadIconA(Module(), MAKEINTRESOURCEA(IDI_FRAME)));
    RECT place{};
    GetWindowRect(hwnd_, &place);
    SetWindowPos(hwnd_, HWND_TOPMOST, place.left, place.top, kFrameWidth, kFrameHeight, 0);
    if (running == nullptr) {
        trayIcon_.Add(hwnd_, TrayPicture(kTrayPictures[0]), kProgramCaption);
        ownsTrayIcon_ = true;
    }
    statusBar_.Show(false);
    AllocateTimer();
}

bool CMainFrame::CreateBars() {
    if (!toolBar_.Create(hwnd_, WS_CHILD | WS_VISIBLE | fw::CBRS_TOP, AFX_IDW_TOOLBAR) ||
        !toolBar_.LoadToolBar(IDR_MAINFRAME))
        return false;
    if (!statusBar_.Create(hwnd_, WS_CHILD | WS_VISIBLE | fw::CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !statusBar_.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
        return false;
    toolBar_.SetBarStyle(toolBar_.GetBarStyle() | fw::CBRS_TOOLTIPS | fw::CBRS_FLYBY | fw::CBRS_SIZE_DYNAMIC);
    toolBar_.EnableDocking(fw::CBRS_ALIGN_ANY);
    DockControlBar(toolBar_);
    SetStatusBar(&statusBar_);
    return true;
}

void CMainFrame::AllocateTimer() {
    frameTimer_ = SetFirstFreeTimer(kFirstFrameTimer, kLastFrameTimer, TimerPeriodMs());
    if (frameTimer_ != 0) return;
    MessageBoxA(hwnd_, "Can't allocate Timer", kProgramCaption, MB_OK | MB_ICONEXCLAMATION);
    SleepEx(3000, TRUE);
    Post(WM_QUIT);
}

void CMainFrame::OnSysCommand(WPARAM command, LPARAM) {
    if (command == SC_MINIMIZE || command == SC_CLOSE) {
        HideFrame();
    } else if (command != SC_MAXIMIZE) {
        SetMsgResult(Default());
    }
}

void CMainFrame::OnClose(WPARAM, LPARAM) {
    if (frameTimer_ != 0) KillTimer(hwnd_, frameTimer_);
    trayIcon_.Remove();
    ownsTrayIcon_ = false;
    CFrameWnd::OnClose();
}

void CMainFrame::OnHide() { HideFrame(); }

void CMainFrame::OnSize(WPARAM type, LPARAM size) {
    CFrameWnd::OnSize(type, size);
    if (type == SIZE_RESTORED && !firstSizeDone_ && GetActiveView() != nullptr) FitAroundForm();
}

// Once: the frame wraps the form exactly, without scroll bars, in the
// bottom-right corner of the screen.
void CMainFrame::FitAroundForm() {
    auto* form = static_cast<fw::CFormView*>(GetActiveView());
    SIZE total = form->GetTotalSize();
    form->SetScrollSizes(MM_TEXT, SIZE{0, 0});
    firstSizeDone_ = true;
    FrameMetrics metrics{GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME), GetSystemMetrics(SM_CYCAPTION),
                         GetSystemMetrics(SM_CYICON), GetSystemMetrics(SM_CYMENU)};
    FrameRect frame = pelmox::FitAroundForm(total.cx, total.cy, metrics, Screen());
    SetWindowPos(hwnd_, nullptr, frame.x, frame.y, frame.width, frame.height, SWP_NOZORDER);
}

void CMainFrame::OnRestore() { RestoreFrame(); }

void CMainFrame::OnHelp() { fw::TheApp()->WinHelp(kFrameHelpContext); }

void CMainFrame::OnPaint(WPARAM, LPARAM) {
    ValidateWithoutDrawing();
    SetCaption(kProgramCaption);
    if (!hideAtFirstPaint_) return;
    hideAtFirstPaint_ = false;
    HideFrame();
}

void CMainFrame::OnTimer(WPARAM, LPARAM) {
    if (firstTimerTick_) {
        firstTimerTick_ = false;
        SleepEx(200, TRUE);
    }
    trayIcon_.Change(TrayPicture(trayAnimation_.Next()), kProgramCaption);
    SetMsgResult(Default());
}

void CMainFrame::OnQueryEndSession(WPARAM, LPARAM) { SetMsgResult(Default()); }

void CMainFrame::OnTrayNotify(WPARAM, LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDBLCLK) {
        if (IsIconic(hwnd_))
            RestoreFrame();
        else
            HideFrame();
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        POINT cursor{};
        GetCursorPos(&cursor);
        trayMenu_.Track(TPM_RIGHTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y - 50, fw::MainWindow());
    }
}

void CMainFrame::OnRestoreMain(WPARAM, LPARAM) {
    if (IsIconic(hwnd_)) RestoreFrame();
}

// A restarted shell has forgotten the icon.
void CMainFrame::OnTaskbarCreated() {
    if (ownsTrayIcon_) trayIcon_.Add(hwnd_, TrayPicture(kTrayPictures[0]), kProgramCaption);
}

void CMainFrame::RestoreFrame() {
    Show(SW_SHOW);
    if (IsIconic(hwnd_)) Show(SW_RESTORE);
    RECT place{};
    GetWindowRect(fw::MainWindow(), &place);
    SetWindowPos(hwnd_, HWND_TOPMOST, place.left, place.top, 0, 0, SWP_NOSIZE);
    Post(WM_SETFOCUS);
}

void CMainFrame::HideFrame() {
    Show(SW_MINIMIZE);
    Show(SW_HIDE);
}

// Each tray picture is loaded at its first showing and kept (a shared
// icon, released with the program), so a tick loads nothing.
HICON CMainFrame::TrayPicture(int picture) {
    auto [entry, added] = trayPictures_.try_emplace(picture, nullptr);
    if (added)
        entry->second =
            static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(picture), IMAGE_ICON, 16, 16, LR_SHARED));
    return entry->second;
}

}  // namespace pelmox
