// The smallest monitor that does the work every tray monitor of the
// chipset must do: a 100 ms timer that reads the eight values from the
// chipset driver and changes the tray icon (between two system icons, as
// an animation would). The cost benchmark sets pelmox's processor time
// beside this program's. It ends on WM_CLOSE.
#include <windows.h>

#include "framework/tray_icon.h"
#include "pelmox/core/driver_blocks.h"
#include "pelmox/core/driver_device_win32.h"

namespace {

constexpr char kWindowClass[] = "MinimalTrayMonitor";
constexpr UINT kTimerId = 1;
constexpr UINT kTimerPeriodMs = 100;
constexpr UINT kTrayIconId = 1;
constexpr UINT kTrayMessage = WM_APP;

struct Monitor {
    pelmox::Win32DriverDevice driver;
    fw::CTrayIcon tray{kTrayIconId, kTrayMessage};
    HICON icons[2] = {LoadIcon(nullptr, IDI_APPLICATION), LoadIcon(nullptr, IDI_WARNING)};
    unsigned ticks = 0;
};

Monitor* monitor = nullptr;

void OnTick() {
    pelmox::SensorValues values{};
    monitor->driver.Control(pelmox::PELMOX_READ_VALUES, nullptr, 0, &values, sizeof values);
    monitor->tray.Change(monitor->icons[++monitor->ticks % 2], "Minimal tray monitor");
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: OnTick(); return 0;
    case WM_DESTROY:
        KillTimer(window, kTimerId);
        monitor->tray.Remove();
        PostQuitMessage(0);
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Monitor state;
    monitor = &state;
    if (state.driver.OpenDriver() != 0) return 1;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA(kWindowClass, "Minimal tray monitor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    state.tray.Add(window, state.icons[0], "Minimal tray monitor");
    SetTimer(window, kTimerId, kTimerPeriodMs, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
