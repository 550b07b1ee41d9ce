// ravlo on the simulated board: its tray window and icon, the status
// window that opens by itself, both languages, and the remover.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <cmath>
#include <array>
#include <string>
#include <vector>

#include "e2e/support/board_session.h"
#include "e2e/support/prefix_layout.h"
#include "e2e/support/process_meter.h"
#include "e2e/support/program.h"
#include "e2e/support/screenshot.h"
#include "e2e/support/wait.h"
#include "e2e/support/window_finder.h"

namespace e2e {
namespace {

constexpr char kTrayClass[] = "TempTrayWClass";
constexpr char kTrayTitle[] = "CPU Thermal Monitor";
constexpr char kDialogClass[] = "#32770";
constexpr char kPopupMenuClass[] = "#32768";
constexpr UINT kTrayNotify = WM_USER + 100;
constexpr WPARAM kTrayIconId = 127;
constexpr WORD kMonitorCommand = 40004;
constexpr WORD kExitCommand = 40001;
constexpr LANGID kJapaneseLanguage = 0x411;

const std::string kRavlo = std::string(kMediumDirectory) + "\\HW1\\Ravlo.exe";
const std::string kTrayRemove = std::string(kMediumDirectory) + "\\HW1\\TRAYREMOVE.EXE";
const std::string kWindows = kWindowsDirectory;

struct Texts {
    std::string title;
    std::array<std::string, 3> headings;
    std::array<std::string, 6> names;
    std::array<std::string, 6> warnings;
    std::string normal;
    std::string abnormal;
};

const Texts kEnglish{
    "Hardware Monitor",
    {"Item", "Condition", "Warning Condition"},
    {"Thermal", "12V", "3.3V", "2.8V", "5V", "Fan"},
    {"Greater than 55'C", "Out of 11.28V-12.72V", "Out of  3.07V- 3.53V", "Out of  2.66V- 2.94V",
     "Out of  4.65V- 5.35V", "No Response or Stopped"},
    "Normal",
    "Abnormal",
};

const Texts kJapaneseTexts{
    "ハードウェア監視器 ",
    {"目次", "状態", "警告の状況"},
    {"温度", "12V", "3.3V", "2.8V", "5V", "扇風機"},
    {"温度が５５度以上", "11.28V-12.72V の範囲外", "3.07V- 3.53V の範囲外", "2.66V- 2.94V の範囲外",
     "4.65V- 5.35V の範囲外", "反応が無いか､ファン停止"},
    "正常",
    "不正常",
};

HWND FindTrayWindow() { return FindWindowA(kTrayClass, kTrayTitle); }

// The columns of the status window's template, in dialog units: x and
// width of the row names, statuses and warnings, and of the headings.
struct Columns {
    int conditionX, conditionWidth, warningX, warningWidth, statusWidth, noticeX, noticeWidth;
};
constexpr Columns kEnglishColumns{53, 42, 95, 85, 36, 112, 68};
constexpr Columns kJapaneseColumns{53, 34, 87, 93, 28, 107, 73};

RECT ClientRectOf(HWND status, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(status, id), &rect);
    MapWindowPoints(nullptr, status, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Every text control of the status window sits where the template puts it.
// The dialog-unit scale is measured across the window, from the left edge
// of row 0's name (x 23, y 20) to the far corner of row 5's warning
// (x 180, y 96), so that any control off its place shows.
void ExpectTemplateLayout(HWND status, const Columns& c) {
    struct Placed {
        int id, x, y, width, height;
    };
    std::vector<Placed> controls{{1018, 23, 7, 30, 11},
                                 {1019, c.conditionX, 7, c.conditionWidth, 11},
                                 {1020, c.warningX, 7, c.warningWidth, 11},
                                 {1021, c.noticeX, 110, c.noticeWidth, 8}};
    for (int row = 0; row < 6; ++row) {
        int y = 20 + 13 * row;
        controls.push_back({1000 + 3 * row, 23, y, 30, 11});
        controls.push_back({1001 + 3 * row, 56, y, c.statusWidth, 11});
        controls.push_back({1002 + 3 * row, c.warningX, y, c.warningWidth, 11});
    }
    RECT first = ClientRectOf(status, 1000);
    RECT last = ClientRectOf(status, 1017);
    double sx = (last.right - first.left) / double(180 - 23);
    double sy = (last.bottom - first.top) / double(96 - 20);
    auto isNear = [](LONG actual, double expected) { return std::abs(actual - expected) <= 1.5; };
    for (const Placed& p : controls) {
        RECT r = ClientRectOf(status, p.id);
        EXPECT_TRUE(isNear(r.left, p.x * sx) && isNear(r.right, (p.x + p.width) * sx)) << "x of " << p.id;
        EXPECT_TRUE(isNear(r.top, p.y * sy) && isNear(r.bottom, (p.y + p.height) * sy)) << "y of " << p.id;
    }
}

// The status window of either language.
HWND WaitForStatusWindow(const Texts& texts, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : VisibleWindowsOfClass(kDialogClass))
                if (WindowTextUtf8(window) == texts.title) return (found = window) != nullptr;
            return false;
        },
        timeoutMs);
    return found;
}

std::array<std::string, 6> StatusCells(HWND status) {
    std::array<std::string, 6> cells;
    for (int row = 0; row < 6; ++row) cells[row] = DialogItemTextUtf8(status, 1001 + 3 * row);
    return cells;
}

// The tray strip's width in columns, sampled every 100 ms.
std::vector<int> SampleTrayIcon(int samples) {
    std::vector<int> widths;
    for (int i = 0; i < samples; ++i) {
        widths.push_back(TrayIconColumns());
        Sleep(100);
    }
    return widths;
}

constexpr int kOneIconColumns = 24;

void CloseStatusWindow(HWND status) {
    PostMessageA(status, WM_CLOSE, 0, 0);
    WaitUntil([&] { return !IsWindow(status); }, 5000);
}

class RavloTest : public testing::Test {
protected:
    void SetUp() override {
        EndAll();
        ASSERT_TRUE(StartFirmwareDriver());
        ServeBoard(MonitoredBoard(0x3F, 0x3E));
        ClearJournal();
        ClearRequests();
    }

    void TearDown() override {
        EndAll();
        StartFirmwareDriver();
    }

    static void EndAll() {
        EndProgramsNamed({"Ravlo.exe", "TRAYREMOVE.EXE", "rundll.exe", "BOARDSETUP.EXE"});
        WaitForEmptyTray();
    }

    // Starts ravlo and waits for its hidden tray window and its first poll:
    // the walk to the monitor structure (three requests), then one more.
    static std::unique_ptr<Program> StartRavlo() {
        auto ravlo = std::make_unique<Program>(kRavlo, kWindows);
        EXPECT_TRUE(ravlo->Started());
        EXPECT_TRUE(WaitUntil([] { return FindTrayWindow() != nullptr; }, 10000)) << "no tray window";
        EXPECT_TRUE(WaitUntil(
            [] {
                auto log = FirmwareRequestLog();
                return log && log->total >= 4;
            },
            5000))
            << "no first poll";
        return ravlo;
    }
};

TEST_F(RavloTest, AllNormalShowsNoStatusWindow) {
    auto ravlo = StartRavlo();
    HWND tray = FindTrayWindow();
    ASSERT_NE(tray, nullptr);
    EXPECT_FALSE(IsWindowVisible(tray)) << "the tray window stays hidden";
    EXPECT_EQ(WaitForStatusWindow(kEnglish, 2000), nullptr);
    auto log = FirmwareRequestLog();
    ASSERT_TRUE(log);
    EXPECT_EQ(log->openHandles, 1u);
    EXPECT_GE(log->total, 4u) << "the walk to the monitor structure and at least one poll";
    EXPECT_EQ(log->handles[0], 0u);
    EXPECT_EQ(log->handles[2], 2u) << "the monitor structure is the third";
    // The column rises and falls, but the thermometer never leaves the tray.
    for (int width : SampleTrayIcon(20)) {
        EXPECT_GT(width, 0);
        EXPECT_LE(width, kOneIconColumns) << "one icon";
    }
    SaveScreenshot("ravlo-tray-normal");
}

struct AbnormalCase {
    const char* name;
    std::uint8_t watched;
    std::uint8_t status;
    std::array<std::string, 6> cells;
};

class AbnormalItemTest : public RavloTest, public testing::WithParamInterface<AbnormalCase> {};

TEST_P(AbnormalItemTest, OpensTheStatusWindowByItself) {
    ServeBoard(MonitoredBoard(GetParam().watched, GetParam().status));
    auto ravlo = StartRavlo();
    HWND status = WaitForStatusWindow(kEnglish, 3000);
    ASSERT_NE(status, nullptr) << "no status window";
    EXPECT_EQ(StatusCells(status), GetParam().cells);
    Sleep(1200);  // the next refresh draws the abnormal text in red on the shown window
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(DialogItemTextUtf8(status, 1000 + 3 * row), kEnglish.names[row]);
        EXPECT_EQ(DialogItemTextUtf8(status, 1002 + 3 * row), kEnglish.warnings[row]);
    }
    EXPECT_EQ(DialogItemTextUtf8(status, 1018), "Item");
    EXPECT_EQ(DialogItemTextUtf8(status, 1019), "Condition");
    EXPECT_EQ(DialogItemTextUtf8(status, 1020), "Warning Condition");
    SaveScreenshot(std::string("ravlo-status-") + GetParam().name);
}

const std::string N = "Normal", A = "Abnormal", X = "N/A";

INSTANTIATE_TEST_SUITE_P(
    Items, AbnormalItemTest,
    testing::Values(AbnormalCase{"TemperatureTooHigh", 0x3F, 0x3F, {A, N, N, N, N, N}},
                    AbnormalCase{"Supply12V", 0x3F, 0x3C, {N, A, N, N, N, N}},
                    AbnormalCase{"FanStopped", 0x3F, 0x1E, {N, N, N, N, N, A}},
                    AbnormalCase{"UnwatchedAreNotAvailable", 0x01, 0x01, {A, X, X, X, X, X}}),
    [](const testing::TestParamInfo<AbnormalCase>& testCase) { return testCase.param.name; });

TEST_F(RavloTest, ClosedStatusWindowComesBackUntilTheItemIsNormal) {
    ServeBoard(MonitoredBoard(0x3F, 0x1E));
    auto ravlo = StartRavlo();
    HWND status = WaitForStatusWindow(kEnglish, 3000);
    ASSERT_NE(status, nullptr);
    CloseStatusWindow(status);
    status = WaitForStatusWindow(kEnglish, 1500);
    ASSERT_NE(status, nullptr) << "the status window reopens within a tick";

    ServeBoard(MonitoredBoard(0x3F, 0x3E));  // the fan runs again
    ASSERT_TRUE(WaitUntil([&] { return StatusCells(status)[5] == "Normal"; }, 2500)) << "refreshed once a second";
    CloseStatusWindow(status);
    EXPECT_EQ(WaitForStatusWindow(kEnglish, 1500), nullptr);
}

// Found by the soak: every status window kept the seven bitmaps its
// template's pictures had loaded. Closed again and again while the fan is
// abnormal, it reopens each time and leaves none of them behind. (A device
// context still stays behind now and then, each with its own bitmap and
// region; the check counts only bitmaps beyond those.)
TEST_F(RavloTest, AStatusWindowClosedAgainAndAgainLeaksNothing) {
    ServeBoard(MonitoredBoard(0x3F, 0x1E));
    auto ravlo = StartRavlo();
    ProcessMeter meter(ravlo->Process(), ravlo->Id());
    auto cycle = [&](int times) {
        for (int i = 0; i < times; ++i) {
            HWND status = WaitForStatusWindow(kEnglish, 3000);
            ASSERT_NE(status, nullptr) << "the status window does not come back";
            CloseStatusWindow(status);
        }
    };
    constexpr int kDeviceContextType = 1;
    constexpr int kBitmapType = 5;
    cycle(3);
    std::map<int, unsigned long long> before = meter.GdiObjectsByType();
    cycle(20);
    std::map<int, unsigned long long> after = meter.GdiObjectsByType();
    ASSERT_FALSE(before.empty()) << "the GDI table cannot be read";
    auto grown = [&](int type) { return static_cast<long long>(after[type]) - static_cast<long long>(before[type]); };
    EXPECT_LE(grown(kBitmapType), grown(kDeviceContextType) + 1) << "the pictures' bitmaps stay behind";
    std::printf("  20 status windows: device contexts %+lld, bitmaps %+lld\n", grown(kDeviceContextType),
                grown(kBitmapType));
}

// Runs in its own CTest entry, with LANG=ja_JP.UTF-8 for the whole run.
class RavloJapaneseTest : public RavloTest {};

TEST_F(RavloJapaneseTest, EveryTextIsJapanese) {
    ASSERT_EQ(GetSystemDefaultLangID(), kJapaneseLanguage) << "run with LANG=ja_JP.UTF-8";
    ServeBoard(MonitoredBoard(0x1F, 0x1A));  // 3.3 V abnormal, the fan not watched
    auto ravlo = StartRavlo();
    HWND status = WaitForStatusWindow(kJapaneseTexts, 3000);
    ASSERT_NE(status, nullptr) << "no Japanese status window";
    const Texts& t = kJapaneseTexts;
    EXPECT_EQ(StatusCells(status), (std::array<std::string, 6>{t.normal, t.normal, t.abnormal, t.normal, t.normal, "N/A"}));
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(DialogItemTextUtf8(status, 1000 + 3 * row), t.names[row]);
        EXPECT_EQ(DialogItemTextUtf8(status, 1002 + 3 * row), t.warnings[row]);
    }
    for (int i = 0; i < 3; ++i) EXPECT_EQ(DialogItemTextUtf8(status, 1018 + i), t.headings[i]);
    ExpectTemplateLayout(status, kJapaneseColumns);
    Sleep(1200);
    SaveScreenshot("ravlo-status-japanese");
}

TEST_F(RavloTest, SecondStartEndsAtOnce) {
    auto first = StartRavlo();
    Program second(kRavlo, kWindows);
    auto code = second.WaitForExit(5000);
    ASSERT_TRUE(code) << "the second copy did not end";
    EXPECT_EQ(*code, 0u);
    int trayWindows = 0;
    EnumWindows(
        [](HWND window, LPARAM count) -> BOOL {
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (lstrcmpA(name, kTrayClass) == 0) ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&trayWindows));
    EXPECT_EQ(trayWindows, 1);
    EXPECT_FALSE(first->WaitForExit(0)) << "the first copy runs on";
    int width = TrayIconColumns();
    EXPECT_GT(width, 0);
    EXPECT_LE(width, kOneIconColumns) << "no second tray icon";
}

TEST_F(RavloJapaneseTest, UnwatchedItemsAreNotAvailable) {
    ServeBoard(MonitoredBoard(0x01, 0x00));
    auto ravlo = StartRavlo();
    PostMessageA(FindTrayWindow(), WM_COMMAND, kMonitorCommand, 0);
    HWND status = WaitForStatusWindow(kJapaneseTexts, 3000);
    ASSERT_NE(status, nullptr);
    const std::string& n = kJapaneseTexts.normal;
    EXPECT_EQ(StatusCells(status), (std::array<std::string, 6>{n, "N/A", "N/A", "N/A", "N/A", "N/A"}));
}

TEST_F(RavloTest, MissingDriverShowsInitFailThenNotAvailableEverywhere) {
    ASSERT_TRUE(StopFirmwareDriver());
    Program ravlo(kRavlo, kWindows);
    HWND box = WaitForWindow("VxD", 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Init Fail!");
    ASSERT_TRUE(PressButton(box, IDOK));
    HWND status = WaitForStatusWindow(kEnglish, 3000);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(StatusCells(status), (std::array<std::string, 6>{X, X, X, X, X, X}));
    SaveScreenshot("ravlo-driver-missing");
    // The over-temperature series: the burst blinks, 136 being transparent.
    std::vector<int> widths = SampleTrayIcon(30);
    EXPECT_EQ(*std::min_element(widths.begin(), widths.end()), 0) << "the transparent frame";
    EXPECT_GT(*std::max_element(widths.begin(), widths.end()), 0);
}

// A firmware without the monitor structure whose table loops or never
// ends: the walk gives up, nothing is watched, and ravlo keeps running
// without a status window.
struct FirmwareFault {
    const char* name;
    boardsim::Fault fault;
};

class RavloFaultyFirmwareTest : public RavloTest, public testing::WithParamInterface<FirmwareFault> {};

TEST_P(RavloFaultyFirmwareTest, KeepsRunningWithNothingWatched) {
    boardsim::IoprobeBoard board = MonitoredBoard(0x3F, 0x1E);
    board.vendorMonitor.reset();
    board.fault = GetParam().fault;
    ServeBoard(board);
    Program ravlo(kRavlo, kWindows);
    ASSERT_TRUE(WaitUntil([] { return FindTrayWindow() != nullptr; }, 15000)) << "no tray window";
    EXPECT_EQ(WaitForStatusWindow(kEnglish, 3000), nullptr) << "the failed walk watches nothing";
    EXPECT_TRUE(ravlo.Running());
    auto log = FirmwareRequestLog();
    ASSERT_TRUE(log);
    EXPECT_LE(log->total, 4096u + 20u) << "the walk did not end";
}

INSTANTIATE_TEST_SUITE_P(Faults, RavloFaultyFirmwareTest,
                         testing::Values(FirmwareFault{"Cycle", boardsim::Fault::Cycle},
                                         FirmwareFault{"Endless", boardsim::Fault::Endless}),
                         [](const testing::TestParamInfo<FirmwareFault>& c) { return std::string(c.param.name); });

// The firmware failing every request after some polls: the last
// conditions stay on screen and ravlo goes on.
class RavloFirmwareFailureTest : public RavloTest {};

TEST_F(RavloFirmwareFailureTest, FailingAfterSomePollsKeepsTheLastConditions) {
    ServeBoard(MonitoredBoard(0x3F, 0x1E));  // the fan abnormal
    auto ravlo = StartRavlo();
    HWND status = WaitForStatusWindow(kEnglish, 5000);
    ASSERT_NE(status, nullptr);
    std::array<std::string, 6> before = StatusCells(status);
    boardsim::IoprobeBoard failing = MonitoredBoard(0x3F, 0x3E);
    failing.fault = boardsim::Fault::FailAll;
    ServeBoard(failing);
    Sleep(3000);
    EXPECT_TRUE(ravlo->Running());
    ASSERT_TRUE(IsWindow(status));
    EXPECT_EQ(StatusCells(status), before);
}

TEST_F(RavloTest, TrayMenuOpensOnLeftButtonReleaseAboveTheCursor) {
    auto ravlo = StartRavlo();
    HWND tray = FindTrayWindow();
    ASSERT_NE(tray, nullptr);
    SetCursorPos(900, 700);

    PostMessageA(tray, kTrayNotify, kTrayIconId, WM_RBUTTONUP);
    EXPECT_EQ(WaitForWindow("", 800, kPopupMenuClass), nullptr) << "the right button does nothing";

    PostMessageA(tray, kTrayNotify, kTrayIconId, WM_LBUTTONUP);
    HWND menu = WaitForWindow("", 3000, kPopupMenuClass);
    ASSERT_NE(menu, nullptr) << "no popup menu";
    RECT rect{};
    GetWindowRect(menu, &rect);
    EXPECT_EQ(rect.right, 900);
    EXPECT_EQ(rect.top, 670);
    SaveScreenshot("ravlo-tray-menu");
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(tray, WM_CANCELMODE, 0, 0);
    WaitUntil([&] { return !IsWindowVisible(menu); }, 3000);
}

TEST_F(RavloTest, MonitorOpensOneStatusWindowAndExitEnds) {
    auto ravlo = StartRavlo();
    HWND tray = FindTrayWindow();
    PostMessageA(tray, WM_COMMAND, kMonitorCommand, 0);
    HWND status = WaitForStatusWindow(kEnglish, 3000);
    ASSERT_NE(status, nullptr) << "Monitor opens the status window while all is normal";
    EXPECT_EQ(StatusCells(status), (std::array<std::string, 6>{N, N, N, N, N, N}));
    PostMessageA(tray, WM_COMMAND, kMonitorCommand, 0);
    Sleep(500);
    EXPECT_EQ(VisibleWindowsOfClass(kDialogClass).size(), 1u) << "no second status window";
    CloseStatusWindow(status);

    PostMessageA(tray, WM_COMMAND, kExitCommand, 0);
    auto code = ravlo->WaitForExit(5000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    auto log = FirmwareRequestLog();
    ASSERT_TRUE(log);
    EXPECT_EQ(log->openHandles, 0u) << "the driver is closed";
    EXPECT_TRUE(WaitUntil([] { return TrayIconColumns() == 0; }, 2000)) << "Exit removes the tray icon";
}

// Ten thousand ticks, delivered at once, leave the process's handles and
// memory where they were.
TEST_F(RavloTest, TicksLeakNothing) {
    auto ravlo = StartRavlo();
    HWND tray = FindTrayWindow();

    auto ticks = [&](int count) {
        for (int i = 0; i < count; ++i) {
            DWORD_PTR result = 0;
            SendMessageTimeoutA(tray, WM_TIMER, 1, 0, SMTO_ABORTIFHUNG, 5000, &result);
        }
    };
    // Wine answers 0 to the system's own counts; the meter counts another way.
    ProcessMeter meter(ravlo->Process(), ravlo->Id());
    ticks(500);
    ProcessUsage before = meter.Measure();
    ticks(10000);
    ProcessUsage after = meter.Measure();
    EXPECT_LE(after.handles, before.handles + 2) << meter.Sources();
    EXPECT_LE(after.privateBytes, before.privateBytes + 256 * 1024) << meter.Sources();
    EXPECT_LE(after.gdiObjects, before.gdiObjects) << meter.Sources();
    EXPECT_LE(after.userObjects, before.userObjects) << meter.Sources();
}

std::string VersionText(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT size = 0;
    std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &size) || value == nullptr) return {};
    return value;
}

TEST(RavloFileTest, CarriesItsVersionResource) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(kRavlo.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(kRavlo.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(VersionText(info, "FileDescription"), "Hardware Monitor");
    EXPECT_EQ(VersionText(info, "InternalName"), "Ravlo");
    EXPECT_EQ(VersionText(info, "OriginalFilename"), "Ravlo.exe");
    EXPECT_EQ(VersionText(info, "ProductName"), "Ostrel Hardware Monitor");
}

class TrayRemoveTest : public RavloTest {};

TEST_F(TrayRemoveTest, EndsRunningRavloAndStartsTheRemovalScript) {
    auto ravlo = StartRavlo();
    ASSERT_EQ(FirmwareRequestLog()->openHandles, 1u);
    Program remover(kTrayRemove, kWindows);
    auto code = remover.WaitForExit(5000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    auto ravloCode = ravlo->WaitForExit(5000);
    ASSERT_TRUE(ravloCode) << "ravlo did not end";
    EXPECT_EQ(*ravloCode, 0u);
    EXPECT_EQ(FirmwareRequestLog()->openHandles, 0u) << "its driver handle is closed";

    ASSERT_TRUE(WaitUntil([] { return !ReadJournal().empty(); }, 5000));
    auto started = ReadJournal();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].program, "rundll");
    EXPECT_EQ(started[0].showCommand, 0);
    EXPECT_EQ(started[0].commandLine,
              "C:\\windows\\rundll setupx.dll,InstallHinfSection DefaultInstall 132 C:\\windows\\RemoveRV.inf");
}

TEST_F(TrayRemoveTest, WithoutRavloOnlyStartsTheRemovalScript) {
    Program remover(kTrayRemove, kWindows);
    auto code = remover.WaitForExit(5000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    ASSERT_TRUE(WaitUntil([] { return !ReadJournal().empty(); }, 5000));
    EXPECT_EQ(ReadJournal().size(), 1u);
}

// boardsetup installs the monitor from the medium and starts it; the
// remover ends it and the removal script takes the monitor away again (the
// remover stays: it runs while the script runs).
TEST_F(TrayRemoveTest, WholeLifeOnABoardOfTheMonitorsFamily) {
    for (const char* file : {"Ravlo.exe", "RemoveRV.inf", "TRAYREMOVE.EXE"}) RemoveFile(kWindows + "\\" + file);
    Program boardsetup(std::string(kMediumDirectory) + "\\BOARDSETUP.EXE", kMediumDirectory);
    ASSERT_TRUE(boardsetup.WaitForExit(20000));
    for (const char* file : {"Ravlo.exe", "RemoveRV.inf", "TRAYREMOVE.EXE"})
        EXPECT_TRUE(FileExists(kWindows + "\\" + file)) << file << " installed";
    ASSERT_TRUE(WaitUntil([] { return FindTrayWindow() != nullptr; }, 10000)) << "the installed monitor runs";
    EXPECT_TRUE(IsRunning("Ravlo.exe"));
    SaveScreenshot("ravlo-installed");

    Program remover(kWindows + "\\TRAYREMOVE.EXE", kWindows);
    ASSERT_TRUE(remover.WaitForExit(5000));
    EXPECT_TRUE(WaitUntil([] { return !IsRunning("Ravlo.exe"); }, 5000)) << "the monitor ends";
    EXPECT_TRUE(WaitUntil(
        [] { return !FileExists(kWindows + "\\Ravlo.exe") && !FileExists(kWindows + "\\RemoveRV.inf"); }, 10000))
        << "the removal script deletes the installed files";
}

}  // namespace
}  // namespace e2e
