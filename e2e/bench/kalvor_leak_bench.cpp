// Leak benchmark of KALVOR.EXE, run inside the Wine session:
//
//   e2e/harness/wine-session.sh run DIR kalvor_leak_bench.exe [TICKS]
//
// kalvor polls at a 10 ms period (KALVOR_POLL_PERIOD_MS), so TICKS ticks
// (3600 by default: an hour at the real 1024 ms) take a minute or so. Its
// CPU fan stops and runs again every two seconds, so the tray icon keeps
// changing and every full update while the fan stands opens the warning
// list, which this program closes with its Close button at once. The main
// dialog is shown, so that every update repaints its readings.
//
// The ticks are counted in SMBUS.dll's trace: kalvor asks ChkUsing once a
// tick. kalvor's handles, GDI and USER objects and private bytes are
// sampled once the warm-up ticks have run, then along the way, and at the
// end. Exit code 0 when none grew by more than its slack, 1 when one did,
// 2 when the run itself failed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <string_view>

#include "e2e/bench/leak_report.h"
#include "e2e/support/kalvor_windows.h"
#include "e2e/support/prefix_layout.h"
#include "e2e/support/process_meter.h"
#include "e2e/support/program.h"
#include "e2e/support/wait.h"
#include "e2e/support/window_finder.h"
#include "kalvor/resource_ids.h"

using namespace e2e;

namespace {

constexpr char kProgramName[] = "KALVOR.EXE";
constexpr char kScenarioFile[] = "C:\\kalvor\\leak-bench.scn";
constexpr char kTraceFile[] = "C:\\kalvor\\leak-bench-trace.txt";
constexpr char kPollPeriod[] = "10";


constexpr long kDefaultTicks = 3600;
// The warm-up covers several fan cycles, so that whatever kalvor and the
// system keep after their first warning list and icon change is in place.
constexpr long kWarmUpTicks = 600;
constexpr long kReportEvery = 900;
constexpr DWORD kRunLimitMs = 15 * 60 * 1000;

// The scenario: one second stopped in every two, for longer than any run.
constexpr int kFanCycleSeconds = 2;
constexpr int kScenarioSeconds = 1800;


bool WriteScenario() {
    std::ofstream file(kScenarioFile, std::ios::binary | std::ios::trunc);
    file << "board variant=0 v2ratio=4.8\r\n"
            "at 0 temperature=42 vin1=3.32 vin2=12.1 vin3=2.0 vdd=5.02 fan1=4500 fan2=4000\r\n";
    for (int second = kFanCycleSeconds; second < kScenarioSeconds; second += kFanCycleSeconds)
        file << "at " << second << " fan1=0\r\nat " << second + kFanCycleSeconds / 2 << " fan1=4500\r\n";
    return static_cast<bool>(file);
}

// Counts kalvor's ticks in the SMBUS.dll trace as it grows: one ChkUsing
// call a tick. The library opens and closes the file for every line, so
// reading it alongside is safe; a line caught half-written is counted once
// it is complete.
class TickCounter {
public:
    long Count() {
        HANDLE file = CreateFileA(kTraceFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return ticks_;
        LARGE_INTEGER position{};
        position.QuadPart = offset_;
        SetFilePointerEx(file, position, nullptr, FILE_BEGIN);
        char buffer[65536];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
            partial_.append(buffer, read);
            offset_ += read;
        }
        CloseHandle(file);
        std::string_view text = partial_;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
            if (text.substr(start, end - start).find(" ChkUsing(") != std::string_view::npos) ++ticks_;
        partial_.erase(0, start);
        return ticks_;
    }

private:
    long long offset_ = 0;
    std::string partial_;
    long ticks_ = 0;
};

// kalvor, started with the benchmark's environment; ended at the latest
// when the benchmark ends.
class Kalvor : public e2e::Program {
public:
    Kalvor() : Program(kKalvorProgram, kKalvorDirectory) {}

    // A dialog of kalvor's with this title (see WindowOfProcess).
    HWND Dialog(const char* title, bool hiddenToo = false) const {
        return e2e::WindowOfProcess(Id(), kDialogClass, title, hiddenToo);
    }
};

int Fail(const char* message) {
    std::printf("kalvor leak benchmark: %s\n", message);
    return 2;
}

// Closes kalvor's warning list when one is up, tallying its first line.
bool CloseWarningList(const Kalvor& kalvor, std::map<std::string, long>& warnings) {
    HWND list = kalvor.Dialog(kKalvorWarningTitle);
    if (list == nullptr) return true;
    ++warnings[e2e::DialogItemTextUtf8(list, IDC_WARNING_LINE1)];
    return e2e::PressButton(list, IDOK);
}

// Closes kalvor as its user would: WM_CLOSE, and Yes to the question.
// Warning lists that open meanwhile are closed too.
bool CloseKalvor(Kalvor& kalvor, HWND main, std::map<std::string, long>& warnings) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    return e2e::WaitUntil(
        [&] {
            if (!kalvor.Running()) return true;
            CloseWarningList(kalvor, warnings);
            if (HWND question = kalvor.Dialog(kKalvorQuestionTitle)) e2e::PressButton(question, IDYES);
            return false;
        },
        15000);
}

}  // namespace

int main(int argc, char** argv) {
    long ticks = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kDefaultTicks;
    if (ticks <= 0) return Fail("the tick count must be a positive number");

    e2e::EndProgramsNamed({kProgramName});
    DeleteFileA(kTraceFile);
    if (!WriteScenario()) return Fail("cannot write the scenario");
    SetEnvironmentVariableA("KALVOR_POLL_PERIOD_MS", kPollPeriod);
    SetEnvironmentVariableA("SMBUS_SCENARIO", kScenarioFile);
    SetEnvironmentVariableA("SMBUS_TRACE", kTraceFile);

    Kalvor kalvor;
    if (!kalvor.Running()) return Fail("KALVOR.EXE did not start");
    HWND main = nullptr;
    if (!e2e::WaitUntil([&] { return (main = kalvor.Dialog(kKalvorMainTitle, true)) != nullptr; }, 60000))
        return Fail("the main dialog did not appear");
    // The tray icon's callback, as a click on the icon sends it.
    PostMessageA(main, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONDOWN);
    if (!e2e::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 10000))
        return Fail("the main dialog did not show");

    std::printf("kalvor leak benchmark: %ld ticks at %s ms after %ld warm-up ticks; the CPU fan stops for %d s "
                "in every %d s\n",
                ticks, kPollPeriod, kWarmUpTicks, kFanCycleSeconds / 2, kFanCycleSeconds);
    PrintSampleHeader();

    e2e::ProcessMeter meter(kalvor.Process(), kalvor.Id());
    TickCounter counter;
    std::map<std::string, long> warnings;
    long fanStops = 0;
    bool fanStood = false;
    LeakRun run(meter, kWarmUpTicks, ticks, kReportEvery);
    ULONGLONG began = GetTickCount64();
    for (;;) {
        if (!kalvor.Running()) return Fail("KALVOR.EXE ended during the run");
        if (GetTickCount64() - began > kRunLimitMs) return Fail("the run took too long");
        if (!CloseWarningList(kalvor, warnings)) return Fail("a warning list did not close");
        bool fanStands = e2e::DialogItemTextUtf8(main, IDC_FAN1_SPEED) == "0";
        if (fanStands && !fanStood) ++fanStops;
        fanStood = fanStands;
        long now = counter.Count();
        // No warning list, shown or not: one being made or taken down
        // would add its window and controls.
        if (run.Offer(now, [&] { return kalvor.Dialog(kKalvorWarningTitle, true) == nullptr; })) break;
        Sleep(5);
    }

    std::printf("  %ld ticks in %.1f s (%.1f ms a tick, warning lists included); the fan seen stopped %ld times\n",
                run.TicksMeasured(), run.SecondsMeasured(),
                1000.0 * run.SecondsMeasured() / static_cast<double>(run.TicksMeasured()), fanStops);
    for (const auto& [line, count] : warnings)
        std::printf("  warning list closed %ld times, first line \"%s\"\n", count, line.c_str());

    bool leaked = ReportGrowth(run.Start(), run.End(), meter);

    if (!CloseKalvor(kalvor, main, warnings)) return Fail("KALVOR.EXE did not end on WM_CLOSE and Yes");
    DeleteFileA(kTraceFile);
    DeleteFileA(kScenarioFile);
    std::printf("kalvor leak benchmark: %s\n", leaked ? "LEAK" : "no leak");
    return leaked ? 1 : 0;
}
