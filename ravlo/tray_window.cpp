#include "tray_window.h"

#include "ioprobe/ioprobe_driver.h"
#include "ravlo_program.h"
#include "resource_ids.h"
#include "status_window.h"
#include "tray_icon.h"

namespace ravlo {
namespace {

constexpr UINT_PTR kPollTimerId = 1;
constexpr UINT kPollPeriodMs = 400;
constexpr DWORD kCreationWaitMs = 5;
constexpr int kMenuAboveCursor = 30;

LRESULT OnCreate(HWND window, const CREATESTRUCTA& creation) {
    Sleep(kCreationWaitMs);
    g_ravlo.instance = creation.hInstance;
    ioprobe::OpenDriver();
    ioprobe::DriverStructureSource driver;
    g_ravlo.monitor.Start(driver);
    SetCapture(window);
    SetTimer(window, kPollTimerId, kPollPeriodMs, nullptr);
    // No poll has run yet: the temperature counts as too high until the first tick.
    AddTrayIcon(window, g_ravlo.animation.Start(g_ravlo.monitor.Normal(kTemperature)));
    return 0;
}

void OnPollTimer(HWND window) {
    ioprobe::DriverStructureSource driver;
    g_ravlo.monitor.Poll(driver);
    // Modal: ticks go on inside the status window's own message loop.
    if (!g_ravlo.monitor.AllNormal() && !g_ravlo.statusWindowOpen) OpenStatusWindow(window);
    ChangeTrayIcon(g_ravlo.animation.Next(g_ravlo.monitor.Normal(kTemperature)));
}

void OnTrayNotify(HWND window, WPARAM id, LPARAM mouseMessage) {
    if (id != TRAY_ICON_ID || mouseMessage != WM_LBUTTONUP) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(GetSubMenu(GetMenu(window), 0), TPM_RIGHTALIGN | TPM_RIGHTBUTTON, cursor.x,
                   cursor.y - kMenuAboveCursor, 0, window, nullptr);
}

void OnCommand(HWND window, WORD command) {
    switch (command) {
    case IDM_EXIT:
        RemoveTrayIcon();
        DestroyWindow(window);
        break;
    case IDM_MONITOR: OpenStatusWindow(window); break;
    default: break;
    }
}

// Also the end when another program (the remover) closes the window.
void OnDestroy(HWND window) {
    KillTimer(window, kPollTimerId);
    ReleaseCapture();
    ioprobe::CloseDriver();
    PostQuitMessage(0);
}

// A restarted shell has forgotten the icon: add it again as it stands.
void OnTaskbarCreated(HWND window) { AddTrayIcon(window, g_ravlo.shownFrame); }

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_TIMER:
        if (wParam == kPollTimerId) OnPollTimer(window);
        return 0;
    case WM_TRAYNOTIFY: OnTrayNotify(window, wParam, lParam); return 0;
    case WM_COMMAND: OnCommand(window, LOWORD(wParam)); return 0;
    case WM_DESTROY: OnDestroy(window); return 0;
    default: break;
    }
    if (message == g_ravlo.taskbarCreatedMessage && message != 0) {
        OnTaskbarCreated(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterTrayWindowClass(HINSTANCE instance) {
    g_ravlo.taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TrayWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_THERMOMETER_LOW));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = g_ravlo.texts->menuName;
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace ravlo
