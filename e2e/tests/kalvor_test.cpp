// kalvor on the simulated monitor chip: start-up on each board kind, the
// hidden main dialog behind its tray icon, the readings, alarms, typed
// limits, the settings files, the forced ends and the orderly end.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/support/board_session.h"
#include "e2e/support/kalvor_windows.h"
#include "e2e/support/prefix_layout.h"
#include "e2e/support/program.h"
#include "e2e/support/screenshot.h"
#include "e2e/support/wait.h"
#include "e2e/support/window_finder.h"
#include "kalvor/chip_variant.h"

namespace e2e {
namespace {

constexpr char kScenario[] = "C:\\kalvor\\test.scn";
constexpr char kTrace[] = "C:\\kalvor\\trace.txt";
constexpr char kUserSettings[] = "C:\\kalvor\\KALVOR.DAT";
constexpr char kBusHolder[] = "C:\\boardsim\\smbus_probe.exe hold";

constexpr UINT kTrayNotify = 0x8064;
constexpr WPARAM kTrayIconId = 1079;

// Controls of the main dialog.
constexpr int kOverHeat = 1032;
constexpr int kFan1Limit = 1042;
constexpr int kTemperature = 1044;
constexpr int kVCore = 1046;
constexpr int kFan1Speed = 1047;
constexpr int kFan2Speed = 1056;
constexpr int kV5 = 1069;
constexpr int kV12 = 1070;
constexpr int kV33 = 1071;
constexpr int kUpdateAndSave = 1002;
constexpr int kDefaultSetting = 1007;
constexpr int kUserSetting = 1073;
constexpr int kHide = 1080;

constexpr char kHealthyBoard[] = "at 0 temperature=42 vin1=3.32 vin2=12.1 vin3=2.05 vdd=4.98 fan1=4500 fan2=4000\n";

class KalvorTest : public testing::Test {
protected:
    void SetUp() override {
        EndProgramsNamed({"KALVOR.EXE", "smbus_probe.exe"});
        WaitForEmptyTray();
        RemoveFile(kUserSettings);
        RemoveFile(kTrace);
        SetEnvironmentVariableA("SMBUS_SCENARIO", kScenario);
        SetEnvironmentVariableA("SMBUS_TRACE", kTrace);
    }

    void TearDown() override { EndProgramsNamed({"KALVOR.EXE", "smbus_probe.exe"}); }

    static void WriteScenario(const std::string& text) {
        std::ofstream file(kScenario, std::ios::binary | std::ios::trunc);
        file << text;
    }

    // Starts kalvor and waits until its main dialog exists.
    HWND Start() {
        holder_ = std::make_unique<Program>(kKalvorProgram, kKalvorDirectory);
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = FindWindowA(kDialogClass, kKalvorMainTitle)) != nullptr; }, 15000);
        return dialog;
    }

    // Starts kalvor on a variant-0 board with `inputs` and shows its main
    // dialog from the tray; nullptr when either fails.
    HWND StartShown(const std::string& inputs) {
        WriteScenario("board variant=0\n" + inputs);
        HWND dialog = Start();
        if (dialog == nullptr || !ShowFromTray(dialog)) return nullptr;
        return dialog;
    }

    Program& Running() { return *holder_; }

    static bool ShowFromTray(HWND dialog, LPARAM button = WM_LBUTTONDOWN) {
        PostMessageA(dialog, kTrayNotify, kTrayIconId, button);
        return WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }, 5000);
    }

    // Types `text` into an edit and moves the focus away from it, as the
    // user's click on another control does.
    static void TypeAndLeave(HWND dialog, int edit, const char* text) {
        HWND control = GetDlgItem(dialog, edit);
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(edit, EN_KILLFOCUS), reinterpret_cast<LPARAM>(control));
    }

    static void Click(HWND dialog, int button) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }

    static double Number(HWND dialog, int control) { return std::atof(DialogItemTextUtf8(dialog, control).c_str()); }

    // Every library call of the run so far, one a line.
    static std::vector<std::string> Trace() {
        std::ifstream file(kTrace, std::ios::binary);
        std::vector<std::string> calls;
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::size_t blank = line.find(' ');
            if (blank != std::string::npos) calls.push_back(line.substr(blank + 1));
        }
        return calls;
    }

    static int CountChipCalls(const std::vector<std::string>& calls) {
        int count = 0;
        for (const std::string& call : calls) count += call.rfind("ReadSM", 0) == 0 || call.rfind("WriteSM", 0) == 0;
        return count;
    }

    // The values written to a register, in order.
    static std::vector<int> Writes(int reg) {
        std::vector<int> values;
        std::string prefix = "WriteSM(" + std::to_string(reg) + ",";
        for (const std::string& call : Trace())
            if (call.rfind(prefix, 0) == 0) values.push_back(std::atoi(call.c_str() + prefix.size()));
        return values;
    }

    // Types an over-heat limit and presses "Update and Save"; true once
    // the user's settings file exists.
    static bool SaveOverHeat(HWND dialog, const char* limit) {
        TypeAndLeave(dialog, kOverHeat, limit);
        Sleep(300);
        Click(dialog, kUpdateAndSave);
        bool saved = WaitUntil([] { return FileExists(kUserSettings); }, 3000);
        Sleep(300);
        return saved;
    }

    static std::string UserSettingsText() {
        std::ifstream file(kUserSettings, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    static HWND WaitForWarningList(DWORD timeoutMs) { return WaitForWindow(kKalvorWarningTitle, timeoutMs, kDialogClass); }

    std::unique_ptr<Program> holder_;
};

// ---- start-up on each board kind ----

class KalvorStartTest : public KalvorTest, public testing::WithParamInterface<int> {};

TEST_P(KalvorStartTest, StartsHiddenInTheTrayAndShowsTheStartReadingsWhenClicked) {
    ASSERT_EQ(TrayIconColumns(), 0) << "an icon left in the tray";
    std::vector<DWORD> noIcon = TrayPicture();
    WriteScenario("board variant=" + std::to_string(GetParam()) + "\n" + kHealthyBoard);
    HWND dialog = Start();
    ASSERT_NE(dialog, nullptr) << "no main dialog";
    ASSERT_TRUE(WaitUntil([] { return FindWindowA(kDialogClass, kKalvorWaitTitle) == nullptr; }, 10000))
        << "the wait dialog stays";
    Sleep(1500);
    EXPECT_FALSE(IsWindowVisible(dialog)) << "hidden until the tray icon is clicked";
    EXPECT_GT(TrayIconColumns(), 0) << "no tray icon";
    EXPECT_NE(TrayPicture(), noIcon);

    // Either button shows it; the readings are those of the start-up.
    ASSERT_TRUE(ShowFromTray(dialog, GetParam() == 1 ? WM_RBUTTONDOWN : WM_LBUTTONDOWN));
    EXPECT_NEAR(Number(dialog, kTemperature), 42, 1);
    EXPECT_NEAR(Number(dialog, kVCore), 2.05, 0.05);
    EXPECT_NEAR(Number(dialog, kFan1Speed), 4500, 4500 * 0.05);
    EXPECT_NEAR(Number(dialog, kFan2Speed), 4000, 4000 * 0.05);
    EXPECT_EQ(DialogItemTextUtf8(dialog, 1030), "Ostrel Computer Inc.");
    EXPECT_EQ(DialogItemTextUtf8(dialog, kOverHeat), "60") << "the factory limit";
    if (GetParam() == 0) {
        Sleep(1500);  // every control painted
        SaveScreenshot("kalvor-main");
    }

    // Painting again no longer hides it; Hide does.
    InvalidateRect(dialog, nullptr, TRUE);
    Sleep(500);
    EXPECT_TRUE(IsWindowVisible(dialog));
    Click(dialog, kHide);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(dialog) == FALSE; }, 3000));
    ASSERT_TRUE(ShowFromTray(dialog)) << "the tray icon brings it back";
    PostMessageA(dialog, kTrayNotify, kTrayIconId, WM_MOUSEMOVE);
}

INSTANTIATE_TEST_SUITE_P(Variants, KalvorStartTest, testing::Values(0, 1, 2));

TEST_F(KalvorTest, TheTrayIconComesBackWhenTheTaskbarIsCreatedAgain) {
    WriteScenario(std::string("board variant=0\n") + kHealthyBoard);
    HWND dialog = Start();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([] { return TrayIconColumns() > 0; }, 5000));

    // What a restarted shell has forgotten, and the broadcast it sends.
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = dialog;
    icon.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    ASSERT_TRUE(WaitUntil([] { return TrayIconColumns() == 0; }, 3000));
    PostMessageA(dialog, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([] { return TrayIconColumns() > 0; }, 3000)) << "the icon was not added again";
}

// ---- readings and alarms ----

TEST_F(KalvorTest, TheEstimatedSuppliesConvergeOnTheTruth) {
    HWND dialog = StartShown(kHealthyBoard);
    ASSERT_NE(dialog, nullptr);
    // The search narrows a window of the chip's comparators to 0.2 V at the
    // chip's pin: 0.1 V either side of the truth, times the 12 V divider.
    auto within = [&](int control, double truth, double slack) {
        return std::abs(Number(dialog, control) - truth) <= slack;
    };
    bool converged = WaitUntil(
        [&] { return within(kV33, 3.32, 0.1) && within(kV12, 12.1, 0.1 * 4.8 + 0.05) && within(kV5, 4.98, 0.1); },
        40000);
    EXPECT_TRUE(converged) << "3.3 V " << DialogItemTextUtf8(dialog, kV33) << ", 12 V "
                           << DialogItemTextUtf8(dialog, kV12) << ", 5 V " << DialogItemTextUtf8(dialog, kV5);
}

TEST_F(KalvorTest, AStoppedFanOpensTheWarningListAndSwitchesTheTrayIcon) {
    WriteScenario(std::string("board variant=0\n") + kHealthyBoard + "at 8 fan1=0\nat 30 fan1=4500\n");
    HWND dialog = Start();
    ASSERT_NE(dialog, nullptr);
    Sleep(1500);
    std::vector<DWORD> normalIcon = TrayPicture();

    HWND warning = WaitForWarningList(20000);
    ASSERT_NE(warning, nullptr) << "no warning list";
    EXPECT_EQ(DialogItemTextUtf8(warning, 1060), "CPU Fan Speed Abnormal !");
    for (int line : {1061, 1062, 1063, 1064, 1066, 1065}) EXPECT_EQ(DialogItemTextUtf8(warning, line), "") << line;
    EXPECT_FALSE(Writes(16).empty());
    EXPECT_EQ(Writes(16).back(), 0x60) << "the alarm output while the list is up";
    EXPECT_TRUE(WaitUntil([&] { return TrayPicture() != normalIcon; }, 2000)) << "the alarm icon";
    std::vector<DWORD> alarmIcon = TrayPicture();
    SaveScreenshot("kalvor-warning");

    ASSERT_TRUE(PressButton(warning, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !Writes(16).empty() && Writes(16).back() == 0; }, 3000));

    // Until the fan runs again every full update warns again; then the
    // normal icon comes back.
    bool recovered = WaitUntil(
        [&] {
            if (HWND again = FindWindowA(kDialogClass, kKalvorWarningTitle)) PressButton(again, IDOK);
            return TrayPicture() == normalIcon;
        },
        40000);
    EXPECT_TRUE(recovered) << "the normal icon never came back";
    EXPECT_NE(alarmIcon, normalIcon);
}

// ---- typed limits ----

TEST_F(KalvorTest, ALetterInAnIntegerFieldPausesPollingUntilAValidEntry) {
    HWND dialog = StartShown(kHealthyBoard);
    ASSERT_NE(dialog, nullptr);

    TypeAndLeave(dialog, kFan1Limit, "35x0");
    HWND box = WaitForWindow("KALVOR", 5000, kDialogClass);
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(MessageBoxText(box), "Please enter a integer value !");
    int before = CountChipCalls(Trace());
    Sleep(4500);
    EXPECT_EQ(CountChipCalls(Trace()), before) << "no chip work while the entry is bad";
    ASSERT_TRUE(PressButton(box, IDOK));
    Sleep(2500);
    EXPECT_EQ(CountChipCalls(Trace()), before) << "polling stays paused after the box";

    TypeAndLeave(dialog, kFan1Limit, "3500");
    EXPECT_TRUE(WaitUntil([&] { return CountChipCalls(Trace()) > before; }, 3000)) << "polling resumes";
    EXPECT_EQ(FindWindowA(kDialogClass, "KALVOR"), nullptr);
}

TEST_F(KalvorTest, AnOutOfRangeLimitIsRefusedAndAValidOverHeatLimitReachesTheChip) {
    HWND dialog = StartShown(kHealthyBoard);
    ASSERT_NE(dialog, nullptr);

    std::size_t fanWrites = Writes(8).size();
    TypeAndLeave(dialog, kFan1Limit, "500");
    HWND box = WaitForWindow("KALVOR", 5000, kDialogClass);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Please enter an integer between 1000 and 20000.");
    ASSERT_TRUE(PressButton(box, IDOK));
    EXPECT_EQ(Writes(8).size(), fanWrites) << "an out-of-range limit is not written";

    TypeAndLeave(dialog, kOverHeat, "70");
    std::uint8_t code = kalvor::EncodeTemperatureLimit(70, false, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !Writes(5).empty() && Writes(5).back() == code; }, 1000))
        << "register 5 at once";
}

// ---- settings files ----

TEST_F(KalvorTest, SaveWritesTheUserFileDefaultsShowWithoutSavingUserSettingReloads) {
    HWND dialog = StartShown(kHealthyBoard);
    ASSERT_NE(dialog, nullptr);

    ASSERT_TRUE(SaveOverHeat(dialog, "70")) << "no KALVOR.DAT";
    std::string saved = UserSettingsText();
    EXPECT_NE(saved.find("\r\nTempOver = 70\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nManufactor = Ostrel Computer Inc.\r\n"), std::string::npos) << saved;

    Click(dialog, kDefaultSetting);
    EXPECT_TRUE(WaitUntil([&] { return DialogItemTextUtf8(dialog, kOverHeat) == "60"; }, 3000));
    EXPECT_EQ(UserSettingsText(), saved) << "defaults are not saved";

    Click(dialog, kUserSetting);
    EXPECT_TRUE(WaitUntil([&] { return DialogItemTextUtf8(dialog, kOverHeat) == "70"; }, 3000));
}

// A save that cannot write its new file (here a directory stands where the
// new file goes): the user is told, and the settings file saved before is
// left whole.
TEST_F(KalvorTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheSavedFile) {
    HWND dialog = StartShown(kHealthyBoard);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(SaveOverHeat(dialog, "70")) << "no KALVOR.DAT";
    std::string before = UserSettingsText();
    const std::string blocker = std::string(kUserSettings) + ".new";
    ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), nullptr));
    SaveOverHeat(dialog, "75");
    HWND box = WaitForWindow("KALVOR", 5000, kDialogClass);
    EXPECT_NE(box, nullptr) << "the failed save is not told";
    if (box != nullptr) {
        EXPECT_EQ(MessageBoxText(box), "The settings could not be saved to KALVOR.DAT.");
        PressButton(box, IDOK);
    }
    RemoveDirectoryA(blocker.c_str());
    EXPECT_EQ(UserSettingsText(), before) << "the saved file changed";
}

// ---- forced ends ----

TEST_F(KalvorTest, ABusHeldAtStartEndsTheProgramAfterTheInUseBox) {
    WriteScenario(std::string("board variant=0\n") + kHealthyBoard);
    Program holder(kBusHolder, "C:\\boardsim");
    Sleep(1000);
    Program kalvor(kKalvorProgram, kKalvorDirectory);
    HWND box = WaitForWindow("System Monitor in using", 10000, kDialogClass);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(FindWindowA(kDialogClass, kKalvorMainTitle), nullptr) << "no main dialog before the box is closed";
    ASSERT_TRUE(PressButton(box, IDOK));
    auto code = kalvor.WaitForExit(5000);
    ASSERT_TRUE(code) << "still running";
    EXPECT_EQ(*code, 0u);
}

TEST_F(KalvorTest, ABusTakenAtALaterTickEndsTheProgramWithoutStoppingTheChip) {
    WriteScenario(std::string("board variant=0\n") + kHealthyBoard + "at 8 busy\n");
    HWND dialog = Start();
    ASSERT_NE(dialog, nullptr);
    HWND box = WaitForWindow("System Monitor in using", 15000, kDialogClass);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(PressButton(box, IDOK));
    auto code = Running().WaitForExit(5000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    std::vector<int> configuration = Writes(3);
    ASSERT_FALSE(configuration.empty());
    EXPECT_NE(configuration.back(), 0) << "the chip keeps running";
    for (const std::string& call : Trace()) EXPECT_NE(call.rfind("DeRegUsing", 0), 0u) << "the bus is not released";
}

TEST_F(KalvorTest, AChipStoppingByItselfIsStartedAgainWithoutAWord) {
    WriteScenario(std::string("board variant=0\n") + kHealthyBoard + "at 6 stopped\n");
    HWND dialog = Start();
    ASSERT_NE(dialog, nullptr);
    auto starts = [] {
        std::vector<int> configuration = Writes(3);
        return std::count_if(configuration.begin(), configuration.end(), [](int value) { return (value & 0x40) != 0; });
    };
    EXPECT_TRUE(WaitUntil([&] { return starts() >= 2; }, 20000)) << "the chip is not started again";
    std::vector<int> configuration = Writes(3);
    ASSERT_FALSE(configuration.empty());
    EXPECT_NE(configuration.back() & 0x40, 0) << "the chip is left stopped";
    EXPECT_TRUE(Running().Running()) << "kalvor ended";
    EXPECT_EQ(FindWindowA(kDialogClass, "Driver Error"), nullptr);
    EXPECT_EQ(FindWindowA(kDialogClass, "System Monitor in using"), nullptr);
}

struct DriverErrorCase {
    const char* name;
    const char* scenario;
};

class KalvorDriverErrorTest : public KalvorTest, public testing::WithParamInterface<DriverErrorCase> {};

TEST_P(KalvorDriverErrorTest, ShowsDriverErrorAndOkEndsTheProgram) {
    WriteScenario(GetParam().scenario);
    Program kalvor(kKalvorProgram, kKalvorDirectory);
    HWND box = WaitForWindow("Driver Error", 15000, kDialogClass);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(WindowText(box).size(), 0u);
    ASSERT_TRUE(PressButton(box, IDOK));
    auto code = kalvor.WaitForExit(5000);
    ASSERT_TRUE(code) << "still running";
    EXPECT_EQ(*code, 0u);
}

INSTANTIATE_TEST_SUITE_P(Faults, KalvorDriverErrorTest,
                         testing::Values(DriverErrorCase{"NoBusDriver", "driver missing\n"},
                                         DriverErrorCase{"WrongChip", "board identifier=0x40\n"}),
                         [](const testing::TestParamInfo<DriverErrorCase>& c) { return std::string(c.param.name); });

// ---- the orderly end ----

TEST_F(KalvorTest, QuitAsksThenStopsTheChipAndReleasesTheBus) {
    HWND dialog = StartShown(kHealthyBoard);
    ASSERT_NE(dialog, nullptr);

    Click(dialog, IDOK);
    HWND question = WaitForWindow(kKalvorQuestionTitle, 5000, kDialogClass);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageBoxText(question), "Do you wand to close Health Center windows ?");
    ASSERT_TRUE(PressButton(question, IDNO));
    Sleep(500);
    EXPECT_FALSE(Running().WaitForExit(0)) << "No keeps it running";

    Click(dialog, IDOK);
    question = WaitForWindow(kKalvorQuestionTitle, 5000, kDialogClass);
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(PressButton(question, IDYES));
    auto code = Running().WaitForExit(5000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);

    std::vector<std::string> calls = Trace();
    ASSERT_GE(calls.size(), 4u);
    std::vector<std::string> last(calls.end() - 4, calls.end());
    EXPECT_EQ(last, (std::vector<std::string>{"WriteSM(16,0,1)", "WriteSM(17,0,1)", "WriteSM(3,0,1)", "DeRegUsing(1)"}));
    EXPECT_TRUE(WaitUntil([] { return TrayIconColumns() == 0; }, 3000)) << "the tray icon goes with the dialog";
}

TEST_F(KalvorTest, EscEndsWithoutTheQuestion) {
    HWND dialog = StartShown(kHealthyBoard);
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDCANCEL);
    auto code = Running().WaitForExit(5000);
    ASSERT_TRUE(code) << "a question stopped it";
    EXPECT_EQ(*code, 0u);
}

}  // namespace
}  // namespace e2e
