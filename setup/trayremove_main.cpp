// trayremove: takes the CPU thermal monitor off the machine. It asks the
// running monitor to close its window, which ends the monitor through its
// own destruction handling, and starts the monitor's removal script.
#include <windows.h>

#include "remover.h"
#include "win32_system_calls.h"

namespace {

constexpr char kMonitorClass[] = "TempTrayWClass";

class Win32RemoverPlatform final : public setup::RemoverPlatform {
public:
    // One process cannot destroy another's window; closing it is the
    // request the monitor answers by destroying its own window.
    void EndMonitor() override {
        HWND monitor = FindWindowA(kMonitorClass, nullptr);
        if (monitor != nullptr) PostMessageA(monitor, WM_CLOSE, 0, 0);
    }
    std::string WindowsDirectory() override { return setup::ReadWindowsDirectory(); }
    void Run(const std::string& commandLine, setup::ShowCommand show) override {
        setup::StartCommand(commandLine, show);
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Win32RemoverPlatform platform;
    setup::RemoveRavlo(platform);
    return 0;
}
