// Soak of the three monitors, run inside the Wine session:
//
//   e2e/harness/wine-session.sh run DIR soak_bench.exe [MINUTES]
//
// ravlo on the simulated firmware, kalvor on the simulated monitor chip and
// pelmox on the simulated chipset driver run side by side at their real
// periods for MINUTES (30 by default) on a scripted board: in every ten
// minutes each one's fan fails for two, and every warning or status
// window that opens is closed again. Each program's handles, GDI and USER
// objects and private bytes are sampled once the first fault is over (so
// that what the first warning loads once is in place) and at the end, once
// the board is healthy again and every such window is gone.
// Exit code 0 when none grew past its slack, 1 when one did, 2 when the
// run itself failed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "boardsim/control/chipset_client.h"
#include "e2e/bench/leak_report.h"
#include "e2e/support/board_session.h"
#include "e2e/support/kalvor_windows.h"
#include "e2e/support/prefix_layout.h"
#include "e2e/support/process_meter.h"
#include "e2e/support/program.h"
#include "e2e/support/wait.h"
#include "e2e/support/window_finder.h"
#include "kalvor/resource_ids.h"

using namespace e2e;

namespace {

constexpr long kDefaultMinutes = 30;
constexpr DWORD kWarmUpMs = 8 * 60 * 1000;
constexpr DWORD kSettleMs = 15 * 1000;
constexpr int kCycleMinutes = 10;
constexpr int kFaultFromMinute = 5;
constexpr int kFaultMinutes = 2;

constexpr char kScenarioFile[] = "C:\\kalvor\\soak.scn";
constexpr char kRavlo[] = "C:\\medium\\HW1\\Ravlo.exe";
constexpr char kPelmoxCaption[] = "Tavro System Hardware Monitor";
constexpr char kPelmoxWarningCaption[] = "  Tavro System Hardware Monitor";
// pelmox's tray callback and icon, its view and the CPU fan's alarm box.
constexpr UINT kPelmoxTrayNotify = 8895;
constexpr UINT kPelmoxTrayIconId = 1895;
constexpr int kPelmoxViewId = 0xE900;
constexpr int kPelmoxCpuFanBox = 1023;
constexpr UINT kPelmoxExit = 57665;
constexpr float kSlowFan = 1200;

int Fail(const char* message) {
    std::printf("soak: %s\n", message);
    return 2;
}

bool InFault(DWORD elapsedMs) {
    long minute = static_cast<long>(elapsedMs / 60000) % kCycleMinutes;
    return minute >= kFaultFromMinute && minute < kFaultFromMinute + kFaultMinutes;
}

// kalvor's chip: healthy, its CPU fan stopped in the same minutes.
bool WriteKalvorScenario(long minutes) {
    std::ofstream file(kScenarioFile, std::ios::binary | std::ios::trunc);
    file << "board variant=0 v2ratio=4.8\r\n"
            "at 0 temperature=42 vin1=3.32 vin2=12.1 vin3=2.0 vdd=5.02 fan1=4500 fan2=4000\r\n";
    for (long start = kFaultFromMinute; start < minutes + kCycleMinutes; start += kCycleMinutes)
        file << "at " << start * 60 << " fan1=0\r\nat " << (start + kFaultMinutes) * 60 << " fan1=4500\r\n";
    return static_cast<bool>(file);
}

// One monitor under the soak: its process, its meter, its two samples.
struct Monitor {
    const char* name;
    std::unique_ptr<Program> program;
    std::unique_ptr<ProcessMeter> meter;
    LeakSample start, end;

    void Meter() { meter = std::make_unique<ProcessMeter>(program->Process(), program->Id()); }
};

// Closes every visible window of the program but `keep`: its warnings and
// status windows. Dialog warnings are answered with OK, others closed.
void CloseTransientWindows(const Program& program, HWND keep) {
    struct Search {
        DWORD id;
        HWND keep;
    } search{program.Id(), keep};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->id || window == s->keep || !IsWindowVisible(window)) return TRUE;
            if (GetDlgItem(window, IDOK) != nullptr)
                PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
            else
                PostMessageA(window, WM_CLOSE, 0, 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
}

HWND StartKalvor(Monitor& kalvor) {
    kalvor.program = std::make_unique<Program>(kKalvorProgram, kKalvorDirectory);
    HWND main = nullptr;
    if (!WaitUntil([&] { return (main = WindowOfProcess(kalvor.program->Id(), kDialogClass, kKalvorMainTitle, true)) != nullptr; },
                   60000))
        return nullptr;
    PostMessageA(main, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONDOWN);
    return WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 10000) ? main : nullptr;
}

HWND StartPelmox(Monitor& pelmox) {
    pelmox.program = std::make_unique<Program>(kPelmoxProgram, kPelmoxDirectory);
    HWND frame = nullptr;
    auto hidden = [&] {
        frame = WindowOfProcess(pelmox.program->Id(), nullptr, kPelmoxCaption, true);
        return frame != nullptr && !IsWindowVisible(frame);
    };
    if (!WaitUntil(hidden, 30000)) return nullptr;
    PostMessageA(frame, kPelmoxTrayNotify, kPelmoxTrayIconId, WM_LBUTTONDBLCLK);
    if (!WaitUntil([&] { return IsWindowVisible(frame) != FALSE; }, 10000)) return nullptr;
    HWND view = GetDlgItem(frame, kPelmoxViewId);
    HWND box = GetDlgItem(view, kPelmoxCpuFanBox);
    if (box != nullptr && SendMessageA(box, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(view, WM_COMMAND, MAKEWPARAM(kPelmoxCpuFanBox, BN_CLICKED), reinterpret_cast<LPARAM>(box));
    }
    return frame;
}

}  // namespace

int main(int argc, char** argv) {
    long minutes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kDefaultMinutes;
    if (minutes * 60 * 1000 <= static_cast<long>(kWarmUpMs)) return Fail("the soak must be longer than its 8-minute warm-up");

    EndProgramsNamed({"Ravlo.exe", "KALVOR.EXE", "PELMOX.EXE"});
    if (!StartFirmwareDriver() || !StartChipsetDriver()) return Fail("a simulated driver does not start");
    ServeBoard(MonitoredBoard(0x3F, 0x3E));
    boardsim::ChipsetBoardClient chipset;
    if (!chipset.IsOpen() || !chipset.Reset() || !chipset.SetValues(boardsim::kHealthyChipsetValues))
        return Fail("no chipset control device");
    if (!WriteKalvorScenario(minutes)) return Fail("cannot write kalvor's scenario");
    SetEnvironmentVariableA("SMBUS_SCENARIO", kScenarioFile);
    SetEnvironmentVariableA("KALVOR_POLL_PERIOD_MS", nullptr);
    SetEnvironmentVariableA("PELMOX_TIMER_PERIOD_MS", nullptr);

    Monitor ravlo{"Ravlo.exe"}, kalvor{"KALVOR.EXE"}, pelmox{"PELMOX.EXE"};
    ravlo.program = std::make_unique<Program>(kRavlo, kWindowsDirectory);
    HWND kalvorMain = StartKalvor(kalvor);
    if (kalvorMain == nullptr) return Fail("kalvor did not come up");
    HWND pelmoxFrame = StartPelmox(pelmox);
    if (pelmoxFrame == nullptr) return Fail("pelmox did not come up");
    Monitor* monitors[] = {&ravlo, &kalvor, &pelmox};
    for (Monitor* m : monitors) m->Meter();
    HWND keep[] = {nullptr, kalvorMain, pelmoxFrame};

    std::printf("soak: ravlo, kalvor and pelmox for %ld minutes; each fan fails for %d minutes in every %d\n", minutes,
                kFaultMinutes, kCycleMinutes);
    std::fflush(stdout);
    ULONGLONG began = GetTickCount64();
    const ULONGLONG runMs = static_cast<ULONGLONG>(minutes) * 60000;
    bool sampled = false, fault = false;
    for (;;) {
        DWORD elapsed = static_cast<DWORD>(GetTickCount64() - began);
        for (Monitor* m : monitors)
            if (!m->program->Running()) return Fail((std::string(m->name) + " ended during the soak").c_str());
        bool ending = elapsed >= runMs;
        bool faultNow = !ending && InFault(elapsed);
        if (faultNow != fault) {
            fault = faultNow;
            ServeBoard(MonitoredBoard(0x3F, fault ? 0x1E : 0x3E));
            boardsim::pelmox::BoardValues values = boardsim::kHealthyChipsetValues;
            if (fault) values.values[0] = kSlowFan;
            chipset.SetValues(values);
        }
        for (std::size_t i = 0; i < 3; ++i) CloseTransientWindows(*monitors[i]->program, keep[i]);
        if (!sampled && elapsed >= kWarmUpMs && !fault) {
            Sleep(2000);
            for (Monitor* m : monitors) m->start = {static_cast<long>(elapsed / 1000), m->meter->Measure()};
            sampled = true;
        }
        if (ending && elapsed >= runMs + kSettleMs) break;
        Sleep(500);
    }
    for (std::size_t i = 0; i < 3; ++i) CloseTransientWindows(*monitors[i]->program, keep[i]);
    Sleep(2000);
    bool leaked = false;
    for (Monitor* m : monitors) {
        m->end = {static_cast<long>((GetTickCount64() - began) / 1000), m->meter->Measure()};
        std::printf("%s (the tick column in seconds):\n", m->name);
        PrintSampleHeader();
        PrintSample("after warm-up", m->start);
        PrintSample("at the end", m->end);
        leaked = ReportGrowth(m->start, m->end, *m->meter) || leaked;
    }
    PostMessageA(pelmoxFrame, WM_COMMAND, kPelmoxExit, 0);
    WaitUntil([&] { return !pelmox.program->Running(); }, 15000);
    EndProgramsNamed({"Ravlo.exe", "KALVOR.EXE", "PELMOX.EXE"});
    DeleteFileA(kScenarioFile);
    std::printf("soak: %s\n", leaked ? "GROWTH" : "flat");
    return leaked ? 1 : 0;
}
