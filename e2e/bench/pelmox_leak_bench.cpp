// Leak benchmark of PELMOX.EXE, run inside the Wine session:
//
//   e2e/harness/wine-session.sh run DIR pelmox_leak_bench.exe [TICKS]
//
// pelmox's timers run at a 10 ms period (PELMOX_TIMER_PERIOD_MS), so TICKS
// view ticks (10,000 by default: 17 minutes at the real 100 ms) take a few
// minutes. The frame is restored, so that every display update repaints
// the form with its coloured values; the CPU fan's alarm box is checked
// and the fan turns slow for one second in every two, so the status
// picture animates, warnings open (this program closes each at once) and
// the siren plays into a speaker trace.
//
// The view's ticks are counted from the simulated driver's request log:
// every tick reads the values for the status pictures, and every 15th
// tick three times more: for the alarm evaluation, the repainted form's
// values and its pictures. pelmox's handles, GDI and USER objects
// and private bytes are sampled once the warm-up ticks have run, then
// along the way, and at the end. Exit code 0 when none grew by more than
// its slack, 1 when one did, 2 when the run itself failed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "boardsim/control/chipset_client.h"
#include "e2e/bench/leak_report.h"
#include "e2e/support/board_session.h"
#include "e2e/support/prefix_layout.h"
#include "e2e/support/process_meter.h"
#include "e2e/support/program.h"
#include "e2e/support/wait.h"
#include "e2e/support/window_finder.h"
#include "framework/framework_ids.h"
#include "pelmox/res/resource_ids.h"
#include "pelmox/shell/frame_rules.h"
#include "pelmox/shell/main_frame.h"
#include "pelmox/shell/private_messages.h"

using namespace e2e;

namespace {

constexpr char kProgramName[] = "PELMOX.EXE";
constexpr char kRegistryKey[] = "SOFTWARE\\Tavro\\Tavro Monitor\\Data";
constexpr char kSpeakerTrace[] = "C:\\pelmox\\leak-bench-speaker.txt";
constexpr char kDialogClass[] = "#32770";
constexpr char kWarningCaption[] = "  Tavro System Hardware Monitor";
constexpr char kTimerPeriod[] = "10";
constexpr UINT kViewControlId = 0xE900;

constexpr long kDefaultTicks = 10000;
constexpr long kTicksPerUpdate = 15;
constexpr long kReadsPerUpdate = kTicksPerUpdate + 3;
// The warm-up covers several fan cycles and warnings, so that whatever
// pelmox and the system keep after the first ones is in place.
constexpr long kWarmUpTicks = 1500;
constexpr long kReportEvery = 2000;
constexpr DWORD kRunLimitMs = 20 * 60 * 1000;
constexpr DWORD kFanCycleMs = 2000;
constexpr float kSlowFan = 1200;


int Fail(const char* message) {
    std::printf("pelmox leak benchmark: %s\n", message);
    return 2;
}

// The view's ticks since the log was last cleared, from its reads.
long TicksFromReads(boardsim::ChipsetBoardClient& board) {
    std::optional<boardsim::pelmox::RequestLog> log = board.Log();
    return log ? static_cast<long>(log->total) * kTicksPerUpdate / kReadsPerUpdate : 0;
}

// The fan slow in the first half of every cycle, healthy in the second.
class FanCycle {
public:
    explicit FanCycle(boardsim::ChipsetBoardClient& board) : board_(board) {}

    // Sets the fan for this moment; true on the change to slow.
    bool Step() {
        bool slow = (GetTickCount64() - began_) % kFanCycleMs < kFanCycleMs / 2;
        if (slow == slow_) return false;
        slow_ = slow;
        boardsim::pelmox::BoardValues values = boardsim::kHealthyChipsetValues;
        if (slow) values.values[0] = kSlowFan;
        board_.SetValues(values);
        return slow;
    }

private:
    boardsim::ChipsetBoardClient& board_;
    ULONGLONG began_ = GetTickCount64();
    bool slow_ = false;
};

// Starts pelmox and brings its frame out of the tray with the CPU fan's
// alarm box checked; the frame, or nullptr.
HWND StartShown(const Program& pelmox) {
    HWND frame = nullptr;
    auto hidden = [&] {
        frame = WindowOfProcess(pelmox.Id(), nullptr, pelmox::kProgramCaption, true);
        return frame != nullptr && !IsWindowVisible(frame);
    };
    if (!WaitUntil(hidden, 30000)) return nullptr;
    PostMessageA(frame, pelmox::WM_TRAYNOTIFY, pelmox::kFrameTrayIconId, WM_LBUTTONDBLCLK);
    if (!WaitUntil([&] { return IsWindowVisible(frame) != FALSE; }, 10000)) return nullptr;
    HWND view = GetDlgItem(frame, kViewControlId);
    HWND box = GetDlgItem(view, IDC_ALARM_CPU_FAN);
    if (box == nullptr) return nullptr;
    if (SendMessageA(box, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(view, WM_COMMAND, MAKEWPARAM(IDC_ALARM_CPU_FAN, BN_CLICKED), reinterpret_cast<LPARAM>(box));
    }
    return frame;
}

// Closes a warning when one is up; true when one was closed.
bool CloseWarning(const Program& pelmox) {
    HWND warning = WindowOfProcess(pelmox.Id(), kDialogClass, kWarningCaption);
    return warning != nullptr && PressButton(warning, IDOK);
}

}  // namespace

int main(int argc, char** argv) {
    long ticks = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kDefaultTicks;
    if (ticks <= 0) return Fail("the tick count must be a positive number");

    EndProgramsNamed({kProgramName});
    if (!StartChipsetDriver()) return Fail("the chipset driver does not start");
    boardsim::ChipsetBoardClient board;
    if (!board.IsOpen() || !board.Reset() || !board.SetValues(boardsim::kHealthyChipsetValues))
        return Fail("no chipset control device");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kRegistryKey);
    DeleteFileA(kSpeakerTrace);
    SetEnvironmentVariableA("PELMOX_TIMER_PERIOD_MS", kTimerPeriod);
    SetEnvironmentVariableA("PELMOX_SPEAKER_TRACE", kSpeakerTrace);

    Program pelmox(kPelmoxProgram, kPelmoxDirectory);
    if (!pelmox.Running()) return Fail("PELMOX.EXE did not start");
    HWND frame = StartShown(pelmox);
    if (frame == nullptr) return Fail("the frame did not come out of the tray with its form");

    std::printf("pelmox leak benchmark: %ld view ticks at %s ms after %ld warm-up ticks; the CPU fan is slow "
                "for %lu ms in every %lu ms\n",
                ticks, kTimerPeriod, kWarmUpTicks, kFanCycleMs / 2, kFanCycleMs);
    PrintSampleHeader();

    ProcessMeter meter(pelmox.Process(), pelmox.Id());
    FanCycle fan(board);
    board.ClearLog();
    long slowSpells = 0, warnings = 0;
    LeakRun run(meter, kWarmUpTicks, ticks, kReportEvery);
    ULONGLONG began = GetTickCount64();
    for (;;) {
        if (!pelmox.Running()) return Fail("PELMOX.EXE ended during the run");
        if (GetTickCount64() - began > kRunLimitMs) return Fail("the run took too long");
        if (fan.Step()) ++slowSpells;
        if (CloseWarning(pelmox)) ++warnings;
        long now = TicksFromReads(board);
        // No warning, shown or not: one being made or taken down would
        // add its window and pictures.
        if (run.Offer(now, [&] { return WindowOfProcess(pelmox.Id(), kDialogClass, kWarningCaption, true) == nullptr; }))
            break;
        Sleep(5);
    }
    std::printf("  %ld ticks in %.1f s (%.1f ms a tick); %ld slow-fan spells, %ld warnings closed\n",
                run.TicksMeasured(), run.SecondsMeasured(),
                1000.0 * run.SecondsMeasured() / static_cast<double>(run.TicksMeasured()), slowSpells,
                warnings);

    bool leaked = ReportGrowth(run.Start(), run.End(), meter);

    // File, Exit: the tray icon goes, the settings are saved, the driver closed.
    CloseWarning(pelmox);
    PostMessageA(frame, WM_COMMAND, ID_APP_EXIT, 0);
    bool ended = WaitUntil([&] { CloseWarning(pelmox); return !pelmox.Running(); }, 15000);
    DeleteFileA(kSpeakerTrace);
    if (!ended) return Fail("PELMOX.EXE did not end on File, Exit");
    std::printf("pelmox leak benchmark: %s\n", leaked ? "LEAK" : "no leak");
    return leaked ? 1 : 0;
}
