// Cost benchmark of PELMOX.EXE idle in the tray, run inside the Wine
// session:
//
//   e2e/harness/wine-session.sh run DIR pelmox_cost_bench.exe [SECONDS]
//
// pelmox runs at its real 100 ms timers, hidden in the tray on healthy
// values, for SECONDS (60 by default) after it has settled; then the
// minimal tray monitor beside this program (a 100 ms timer that reads the
// values and changes the tray icon, nothing else) runs as long. Each
// one's processor time, user and kernel, is taken from the system before
// and after, and both are printed per minute with their ratio. Exit code
// 0, or 2 when a run failed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "boardsim/control/chipset_client.h"
#include "e2e/support/board_session.h"
#include "e2e/support/prefix_layout.h"
#include "e2e/support/process_meter.h"
#include "e2e/support/program.h"
#include "e2e/support/wait.h"
#include "e2e/support/window_finder.h"
#include "framework/framework_ids.h"
#include "pelmox/shell/frame_rules.h"

using namespace e2e;

namespace {

constexpr char kProgramName[] = "PELMOX.EXE";
constexpr char kMinimalName[] = "minimal_tray_monitor.exe";
constexpr char kMinimalCaption[] = "Minimal tray monitor";
constexpr long kDefaultSeconds = 60;
constexpr DWORD kSettleMs = 3000;

int Fail(const char* message) {
    std::printf("pelmox cost benchmark: %s\n", message);
    return 2;
}

// The directory of this program, where the minimal monitor is built too.
std::string OwnDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string directory = path;
    return directory.substr(0, directory.find_last_of('\\'));
}

// The processor seconds `program` takes over `seconds`, once its window
// `caption` exists and it has settled; -1 when it does not come up or
// ends during the run.
double CpuSecondsOver(const Program& program, const char* caption, long seconds) {
    if (!WaitUntil([&] { return WindowOfProcess(program.Id(), nullptr, caption, true) != nullptr; }, 30000))
        return -1;
    Sleep(kSettleMs);
    double before = CpuSeconds(program.Process());
    Sleep(static_cast<DWORD>(seconds) * 1000);
    double after = CpuSeconds(program.Process());
    return program.Running() ? after - before : -1;
}

// Ends a program through its window: a command, else WM_CLOSE.
bool EndThrough(const Program& program, const char* caption, WPARAM command) {
    HWND window = WindowOfProcess(program.Id(), nullptr, caption, true);
    if (window != nullptr) PostMessageA(window, command != 0 ? WM_COMMAND : WM_CLOSE, command, 0);
    return WaitUntil([&] { return !program.Running(); }, 15000);
}

}  // namespace

int main(int argc, char** argv) {
    long seconds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kDefaultSeconds;
    if (seconds <= 0) return Fail("the run length must be a positive number of seconds");

    EndProgramsNamed({kProgramName, kMinimalName});
    if (!StartChipsetDriver()) return Fail("the chipset driver does not start");
    boardsim::ChipsetBoardClient board;
    if (!board.IsOpen() || !board.Reset() || !board.SetValues(boardsim::kHealthyChipsetValues))
        return Fail("no chipset control device");
    SetEnvironmentVariableA("PELMOX_TIMER_PERIOD_MS", nullptr);
    SetEnvironmentVariableA("PELMOX_SPEAKER_TRACE", nullptr);
    std::printf("pelmox cost benchmark: %ld s idle in the tray each, after %lu ms to settle\n", seconds, kSettleMs);
    std::fflush(stdout);

    double pelmoxCpu = 0;
    {
        Program pelmox(kPelmoxProgram, kPelmoxDirectory);
        pelmoxCpu = CpuSecondsOver(pelmox, pelmox::kProgramCaption, seconds);
        if (pelmoxCpu < 0) return Fail("PELMOX.EXE did not run through");
        if (!EndThrough(pelmox, pelmox::kProgramCaption, ID_APP_EXIT)) return Fail("PELMOX.EXE did not end");
    }
    double minimalCpu = 0;
    {
        Program minimal(OwnDirectory() + "\\" + kMinimalName, OwnDirectory());
        minimalCpu = CpuSecondsOver(minimal, kMinimalCaption, seconds);
        if (minimalCpu < 0) return Fail("the minimal tray monitor did not run through");
        if (!EndThrough(minimal, kMinimalCaption, 0)) return Fail("the minimal tray monitor did not end");
    }

    double perMinute = 60.0 / static_cast<double>(seconds);
    std::printf("  PELMOX.EXE               %8.3f s of processor time a minute\n", pelmoxCpu * perMinute);
    std::printf("  minimal tray monitor     %8.3f s of processor time a minute\n", minimalCpu * perMinute);
    if (minimalCpu > 0) std::printf("  ratio                    %8.2f\n", pelmoxCpu / minimalCpu);
    return 0;
}
