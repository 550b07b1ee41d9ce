// pelmox on the simulated chipset driver: start-up paths and the driver's
// requests, the registry, the tray, a second copy, the restored form and
// its limit sliders, a fan warning with the speaker siren, the driver's
// failures and the ways the program ends or only hides.
#include <windows.h>

#include <aclapi.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "boardsim/control/chipset_client.h"
#include "e2e/support/board_session.h"
#include "e2e/support/help_viewer.h"
#include "e2e/support/prefix_layout.h"
#include "e2e/support/program.h"
#include "e2e/support/screenshot.h"
#include "e2e/support/wait.h"
#include "e2e/support/window_finder.h"

namespace e2e {
namespace {

namespace sim = boardsim::pelmox;

constexpr char kCaption[] = "Tavro System Hardware Monitor";
constexpr char kWarningCaption[] = "  Tavro System Hardware Monitor";
constexpr char kRegistryKey[] = "SOFTWARE\\Tavro\\Tavro Monitor\\Data";
constexpr char kSpeakerTrace[] = "C:\\boardsim\\pelmox-speaker.txt";
constexpr char kVendorFile[] = "C:\\pelmox\\Vendor.ini";

constexpr UINT kTrayNotify = 8895;
constexpr UINT kTrayIconId = 1895;
constexpr UINT kIdHide = 32774;
constexpr UINT kIdAppExit = 57665;
constexpr UINT kIdAppAbout = 57664;
constexpr UINT kIdHelp = 57670;

// Form 101.
constexpr int kCpuFanBox = 1023;
constexpr int kCpuFanValue = 1036;
constexpr int kItemList = 1030;
constexpr int kUpperField = 1011;
constexpr int kLowerField = 1012;
constexpr int kUpperSlider = 1033;
constexpr int kLowerSlider = 1035;
constexpr int kValueFields[] = {1036, 1037, 1042, 1048, 1043, 1044, 1045, 1046};
// Dialog 171.
constexpr int kWarningText = 1051;

const char* const kRegistryValues[] = {"NMI45",      "CheckItem",  "EnableItem",   "VendorUnavailable",
                                       "SoundEnable", "TempUnit", "CpuVoltage", "WatchDogLimit"};

class PelmoxTest : public testing::Test {
protected:
    void SetUp() override {
        EndPelmox();
        ASSERT_TRUE(StartChipsetDriver());
        ASSERT_TRUE(board_.IsOpen()) << "no chipset control device";
        ASSERT_TRUE(board_.Reset());
        ASSERT_TRUE(board_.SetValues(boardsim::kHealthyChipsetValues));
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kRegistryKey);
        RemoveFile(kVendorFile);
        RemoveFile(kSpeakerTrace);
        SetEnvironmentVariableA("PELMOX_SPEAKER_TRACE", kSpeakerTrace);
        ASSERT_TRUE(board_.ClearLog());
    }

    void TearDown() override {
        EndPelmox();
        StartChipsetDriver();
        board_.Reset();
    }

    static void EndPelmox() {
        EndProgramsNamed({"PELMOX.EXE"});
        WaitForEmptyTray();
    }

    // Starts pelmox and waits until its frame has painted once (its caption
    // is then the program's) and hidden itself in the tray.
    HWND StartHidden() {
        program_ = std::make_unique<Program>(kPelmoxProgram, kPelmoxDirectory);
        HWND frame = nullptr;
        WaitUntil([&] { return (frame = FindWindowA(nullptr, kCaption)) != nullptr; }, 15000);
        if (frame == nullptr) return nullptr;
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(frame); }, 5000)) << "the frame does not hide";
        return frame;
    }

    static HWND View(HWND frame) { return GetDlgItem(frame, 0xE900); }

    static bool Restore(HWND frame) {
        PostMessageA(frame, kTrayNotify, kTrayIconId, WM_LBUTTONDBLCLK);
        return WaitUntil([&] { return IsWindowVisible(frame) && !IsIconic(frame); }, 5000);
    }

    std::vector<sim::LoggedRequest> Requests() {
        std::optional<sim::RequestLog> log = board_.Log();
        EXPECT_TRUE(log) << "no request log";
        if (!log) return {};
        std::uint32_t count = std::min(log->total, sim::kRequestLogEntries);
        return {log->requests, log->requests + count};
    }

    // The codes of the requests, reads of values (the display's) left out.
    std::vector<std::uint32_t> CodesBesidesReads() {
        std::vector<std::uint32_t> codes;
        for (const sim::LoggedRequest& request : Requests())
            if (request.code != 4) codes.push_back(request.code);
        return codes;
    }

    int CountCode(std::uint32_t code) {
        std::vector<sim::LoggedRequest> requests = Requests();
        return static_cast<int>(std::count_if(requests.begin(), requests.end(),
                                              [&](const sim::LoggedRequest& r) { return r.code == code; }));
    }

    static std::vector<std::string> RegistryValueNames() {
        std::vector<std::string> names;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
        for (DWORD index = 0;; ++index) {
            char name[64];
            DWORD length = sizeof name;
            if (RegEnumValueA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            names.emplace_back(name, length);
        }
        RegCloseKey(key);
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::vector<BYTE> RegistryBytes(const char* name) {
        std::vector<BYTE> bytes(128);
        DWORD size = static_cast<DWORD>(bytes.size());
        if (RegGetValueA(HKEY_LOCAL_MACHINE, kRegistryKey, name, RRF_RT_ANY, nullptr, bytes.data(), &size) !=
            ERROR_SUCCESS)
            return {};
        bytes.resize(size);
        return bytes;
    }

    static std::vector<std::string> SpeakerTrace() {
        std::ifstream file(kSpeakerTrace);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::size_t blank = line.find(' ');
            if (blank != std::string::npos) lines.push_back(line.substr(blank + 1));
        }
        return lines;
    }

    static void DragSlider(HWND view, int slider, int position) {
        HWND control = GetDlgItem(view, slider);
        SendMessageA(control, TBM_SETPOS, TRUE, position);
        SendMessageA(view, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(control));
    }

    static std::string Text(HWND view, int control) { return DialogItemTextUtf8(view, control); }

    boardsim::ChipsetBoardClient board_;
    std::unique_ptr<Program> program_;
};

// ---- start-up ----

TEST_F(PelmoxTest, TheFirstRunTakesTheDriversDefaultsAndHidesInASpinningTrayIcon) {
    HWND frame = StartHidden();
    ASSERT_NE(frame, nullptr) << "no frame";
    Sleep(500);
    // Notify, the driver's defaults, the save, the second fan's check.
    std::vector<std::uint32_t> codes = CodesBesidesReads();
    ASSERT_GE(codes.size(), 4u);
    EXPECT_EQ(std::vector<std::uint32_t>(codes.begin(), codes.begin() + 4), (std::vector<std::uint32_t>{9, 5, 6, 6}));
    std::vector<sim::LoggedRequest> requests = Requests();
    EXPECT_EQ(requests[1].word, 0x1000u) << "the driver's defaults";

    std::vector<std::string> expected(std::begin(kRegistryValues), std::end(kRegistryValues));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(RegistryValueNames(), expected);
    EXPECT_EQ(RegistryBytes("WatchDogLimit").size(), 52u);
    EXPECT_EQ(RegistryBytes("NMI45"), std::vector<BYTE>{0xFF});

    // The top spins: several pictures within a second.
    std::set<std::vector<DWORD>> pictures;
    for (int i = 0; i < 12; ++i) {
        pictures.insert(TrayPicture());
        Sleep(100);
    }
    EXPECT_GE(pictures.size(), 3u) << "the tray icon does not spin";
    EXPECT_GT(TrayIconColumns(), 0);
}

TEST_F(PelmoxTest, ALaterStartPushesTheStoredSettingsBackIntoTheDriver) {
    ASSERT_NE(StartHidden(), nullptr);
    EndPelmox();
    ASSERT_TRUE(board_.ClearLog());
    ASSERT_NE(StartHidden(), nullptr);
    std::vector<std::uint32_t> codes = CodesBesidesReads();
    ASSERT_GE(codes.size(), 6u);
    EXPECT_EQ(std::vector<std::uint32_t>(codes.begin(), codes.begin() + 6),
              (std::vector<std::uint32_t>{9, 5, 8, 7, 5, 6}));
}

TEST_F(PelmoxTest, AVendorFileGivesTheLimitsInItsUnit) {
    {
        std::ofstream vendor(kVendorFile, std::ios::binary);
        vendor << "; factory settings\r\nTemperatureUnit = F\r\nCPUFanSpeedLower = 2500\r\n"
                  "ChipTemperatureUpper = 131\r\nIOVoltageLower = UNAVAILABLE\r\n";
    }
    HWND frame = StartHidden();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(Restore(frame));
    HWND view = View(frame);
    Sleep(2000);
    SaveScreenshot("pelmox-vendor");
    EXPECT_EQ(Text(view, kLowerField), "2500 rpm");
    // The chipset temperature: 131 F is 55 C, shown in Fahrenheit.
    SendDlgItemMessageA(view, kItemList, CB_SETCURSEL, 2, 0);
    SendMessageA(view, WM_COMMAND, MAKEWPARAM(kItemList, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(view, kItemList)));
    EXPECT_EQ(Text(view, kUpperField), "131.0 F");

    // The unavailable I/O supply is hidden and remembered as unavailable.
    EXPECT_EQ(Text(view, kValueFields[6]), "");
    EXPECT_EQ(RegistryBytes("VendorUnavailable"), (std::vector<BYTE>{0x40, 0, 0, 0}));
}

TEST_F(PelmoxTest, ASecondCopyBringsTheFirstBackAndEndsWithoutATrayIcon) {
    HWND frame = StartHidden();
    ASSERT_NE(frame, nullptr);
    Sleep(300);
    int oneIcon = TrayIconColumns();
    Program second(kPelmoxProgram, kPelmoxDirectory);
    EXPECT_TRUE(second.WaitForExit(10000)) << "the second copy keeps running";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(frame) != FALSE; }, 5000)) << "the first is not restored";
    EXPECT_TRUE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(TrayIconColumns(), oneIcon) << "a second tray icon";
}

// ---- the restored form ----

TEST_F(PelmoxTest, TheRestoredFormShowsTheValuesAndASliderSendsOneRequestPerMove) {
    HWND frame = StartHidden();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(Restore(frame));
    HWND view = View(frame);
    ASSERT_NE(view, nullptr);
    Sleep(2000);  // a display update
    EXPECT_NE(Text(view, kCpuFanValue).find("4500"), std::string::npos) << Text(view, kCpuFanValue);
    for (int field : kValueFields) EXPECT_FALSE(Text(view, field).empty()) << field;
    EXPECT_EQ(SendDlgItemMessageA(view, kItemList, CB_GETCOUNT, 0, 0), 8);
    EXPECT_EQ(Text(view, kLowerField), "3000 rpm");
    EXPECT_EQ(Text(view, kUpperField), "");
    SaveScreenshot("pelmox-restored");

    // The CPU fan's limit from the lower slider: one request, one save.
    ASSERT_TRUE(board_.ClearLog());
    DragSlider(view, kLowerSlider, 10);
    EXPECT_EQ(CountCode(5), 1);
    EXPECT_NE(Text(view, kLowerField), "3000 rpm");

    // The 12 V supply's lower slider above its upper one snaps back.
    SendDlgItemMessageA(view, kItemList, CB_SETCURSEL, 4, 0);
    SendMessageA(view, WM_COMMAND, MAKEWPARAM(kItemList, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(view, kItemList)));
    std::string lower = Text(view, kLowerField);
    int upperPosition = static_cast<int>(SendDlgItemMessageA(view, kUpperSlider, TBM_GETPOS, 0, 0));
    ASSERT_TRUE(board_.ClearLog());
    DragSlider(view, kLowerSlider, std::min(49, upperPosition + 5));
    EXPECT_EQ(CountCode(5), 0) << "a crossed slider sent its limits";
    EXPECT_EQ(Text(view, kLowerField), lower);
}

// ---- a fan warning ----

TEST_F(PelmoxTest, ASlowFanWarnsWithTheSirenAndOneWarningAtATime) {
    HWND frame = StartHidden();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(Restore(frame));
    HWND view = View(frame);
    Sleep(1600);
    if (SendDlgItemMessageA(view, kCpuFanBox, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        SendDlgItemMessageA(view, kCpuFanBox, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(view, WM_COMMAND, MAKEWPARAM(kCpuFanBox, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(view, kCpuFanBox)));
    }
    boardsim::pelmox::BoardValues slow = boardsim::kHealthyChipsetValues;
    slow.values[0] = 1200;
    ASSERT_TRUE(board_.SetValues(slow));

    HWND warning = WaitForWindow(kWarningCaption, 20000);
    ASSERT_NE(warning, nullptr) << "no warning";
    EXPECT_EQ(Text(warning, kWarningText), "Damage: CPU Fan speed is too low !\n\nSuggestion: Check your Fan now!");
    Sleep(1000);
    SaveScreenshot("pelmox-warning");

    // While it is up no second warning comes, even past the next check;
    // the siren has sounded meanwhile, without warn.wav beside the program.
    Sleep(16000);
    std::vector<std::string> tones = SpeakerTrace();
    EXPECT_EQ(std::count(tones.begin(), tones.end(), "on 400"), 3);
    EXPECT_EQ(std::count(tones.begin(), tones.end(), "on 800"), 3);
    EXPECT_EQ(tones.empty() ? "" : tones.back(), "off");
    int warnings = 0;
    EnumWindows([](HWND window, LPARAM count) -> BOOL {
        if (IsWindowVisible(window) && WindowText(window) == kWarningCaption) ++*reinterpret_cast<int*>(count);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&warnings));
    EXPECT_EQ(warnings, 1);

    // Its Help asks for the fan warning's topic and leaves it open.
    HelpViewerStandIn viewer;
    ASSERT_TRUE(viewer.Exists());
    PostMessageA(warning, WM_COMMAND, MAKEWPARAM(kIdHelp, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(warning, kIdHelp)));
    std::optional<HelpRequest> help = viewer.WaitForRequest(5000);
    ASSERT_TRUE(help) << "no help request";
    EXPECT_EQ(help->command, static_cast<unsigned>(HELP_CONTEXT));
    EXPECT_EQ(help->data, 121);
    EXPECT_TRUE(IsWindowVisible(warning));
    ASSERT_TRUE(PressButton(warning, IDOK));
    EXPECT_NE(WaitForWindow(kWarningCaption, 20000), nullptr) << "the next check does not warn again";
}

TEST_F(PelmoxTest, AboutFromTheTrayLeavesTheFrameHidden) {
    HWND frame = StartHidden();
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_COMMAND, kIdAppAbout, 0);  // the tray menu's "About"
    HWND about = WaitForWindow("About  Tavro System Hardware Monitor", 5000);
    ASSERT_NE(about, nullptr) << "no About box";
    std::vector<std::string> texts;
    for (HWND child = GetWindow(about, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(WindowText(child));
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Tavro System Hardware Monitor Version 1.38b"), texts.end());
    Sleep(300);
    SaveScreenshot("pelmox-about");
    ASSERT_TRUE(PressButton(about, IDOK));
    EXPECT_FALSE(IsWindowVisible(frame));
}

// ---- failures ----

TEST_F(PelmoxTest, WithoutTheDriverOneMessageAndTheEnd) {
    ASSERT_TRUE(StopChipsetDriver());
    program_ = std::make_unique<Program>(kPelmoxProgram, kPelmoxDirectory);
    HWND box = WaitForWindow(kCaption, 10000, "#32770");
    ASSERT_NE(box, nullptr) << "no message";
    EXPECT_EQ(MessageBoxText(box), "Error: Can't load PelMox driver ");
    ASSERT_TRUE(PressButton(box, IDOK));
    EXPECT_TRUE(program_->WaitForExit(10000)) << "the program goes on";
}

TEST_F(PelmoxTest, AFailingRequestIsReportedAndEndsTheProgram) {
    HWND frame = StartHidden();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(board_.SetFailingCode(4));
    HWND box = WaitForWindow(kCaption, 10000, "#32770");
    ASSERT_NE(box, nullptr) << "no message";
    EXPECT_FALSE(MessageBoxText(box).empty());
    ASSERT_TRUE(PressButton(box, IDOK));
    board_.SetFailingCode(0);
    EXPECT_TRUE(program_->WaitForExit(10000)) << "the program goes on";
}

TEST_F(PelmoxTest, HelpFromTheMenuAndF1AsksForTheProgramsTopic) {
    HWND frame = StartHidden();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(Restore(frame));
    HelpViewerStandIn viewer;
    ASSERT_TRUE(viewer.Exists());
    struct Way {
        const char* name;
        UINT message;
        WPARAM w;
    } ways[] = {{"Help Search", WM_COMMAND, kIdHelp}, {"F1", WM_KEYDOWN, VK_F1}};
    for (const Way& way : ways) {
        PostMessageA(frame, way.message, way.w, 0);
        std::optional<HelpRequest> help = viewer.WaitForRequest(5000);
        ASSERT_TRUE(help) << way.name << ": no help request";
        EXPECT_EQ(help->command, static_cast<unsigned>(HELP_CONTEXT)) << way.name;
        EXPECT_EQ(help->data, 101) << way.name;
        EXPECT_NE(help->file.find("PELMOX.HLP"), std::string::npos) << way.name << ": " << help->file;
    }
}

// Each request of the driver failing in turn at a later start (which makes
// every kind of request, the reads of values at its first ticks): the
// request's message once, the end of the program, and the settings the
// user saved still as they were.
struct RequestFailure {
    const char* name;
    std::uint32_t code;
    const char* message;
};

class PelmoxRequestFailureTest : public PelmoxTest, public testing::WithParamInterface<RequestFailure> {};

TEST_P(PelmoxRequestFailureTest, TellsItOnceEndsAndKeepsTheSavedSettings) {
    ASSERT_NE(StartHidden(), nullptr);
    program_.reset();
    EndPelmox();
    std::vector<std::vector<BYTE>> saved;
    for (const char* name : kRegistryValues) saved.push_back(RegistryBytes(name));
    ASSERT_FALSE(saved.back().empty()) << "the first run saved nothing";

    ASSERT_TRUE(board_.SetFailingCode(GetParam().code));
    program_ = std::make_unique<Program>(kPelmoxProgram, kPelmoxDirectory);
    HWND box = WaitForWindow(kCaption, 15000, "#32770");
    ASSERT_NE(box, nullptr) << "no message";
    EXPECT_EQ(MessageBoxText(box), GetParam().message);
    ASSERT_TRUE(PressButton(box, IDOK));
    EXPECT_TRUE(program_->WaitForExit(10000)) << "the program goes on";
    EXPECT_EQ(VisibleWindowsOfClass("#32770").size(), 0u) << "a second message";
    board_.SetFailingCode(0);
    for (std::size_t i = 0; i < saved.size(); ++i) EXPECT_EQ(RegistryBytes(kRegistryValues[i]), saved[i]) << kRegistryValues[i];
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PelmoxRequestFailureTest,
    testing::Values(RequestFailure{"ReadValues", 4, "VxD: Device does not support the requested API(read)"},
                    RequestFailure{"SetLimits", 5, "VxD: Device does not support the requested API(set)"},
                    RequestFailure{"ReadLimits", 6, "VxD: Device does not support the requested API(read)"},
                    RequestFailure{"WakeUp", 7, "VxD: Device does not support the requested API(wake up)"},
                    RequestFailure{"Shutdown", 8, "VxD: Device does not support the requested API(shutdown)"},
                    RequestFailure{"Notify", 9, "VxD: Device does not support the requested API(notify)"}),
    [](const testing::TestParamInfo<RequestFailure>& c) { return std::string(c.param.name); });

// The settings key readable only: the program runs on what it can load
// (a key it cannot open counts as none, so the defaults), its saves are
// refused, and the values the user saved stay as they were.
class PelmoxLockedKeyTest : public PelmoxTest {
protected:
    void TearDown() override {
        EndPelmox();
        SetKeyAccess(KEY_ALL_ACCESS);
        PelmoxTest::TearDown();
    }

    // Everyone gets `access` to the key, and only that.
    static bool SetKeyAccess(DWORD access) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRegistryKey, 0, WRITE_DAC | READ_CONTROL, &key) != ERROR_SUCCESS)
            return false;
        EXPLICIT_ACCESS_A entry{};
        entry.grfAccessPermissions = access;
        entry.grfAccessMode = SET_ACCESS;
        entry.grfInheritance = NO_INHERITANCE;
        entry.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
        entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
        entry.Trustee.ptstrName = const_cast<char*>("EVERYONE");
        PACL acl = nullptr;
        bool done = SetEntriesInAclA(1, &entry, nullptr, &acl) == ERROR_SUCCESS &&
                    SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                    nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
        if (acl != nullptr) LocalFree(acl);
        RegCloseKey(key);
        return done;
    }
};

TEST_F(PelmoxLockedKeyTest, RunsOnDefaultsAndKeepsTheSavedSettings) {
    ASSERT_NE(StartHidden(), nullptr);
    program_.reset();
    EndPelmox();
    std::vector<std::vector<BYTE>> saved;
    for (const char* name : kRegistryValues) saved.push_back(RegistryBytes(name));
    ASSERT_TRUE(SetKeyAccess(KEY_READ));
    HKEY probe = nullptr;
    LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRegistryKey, 0, KEY_ALL_ACCESS, &probe);
    if (opened == ERROR_SUCCESS) {
        RegCloseKey(probe);
        GTEST_SKIP() << "this Wine grants full access to a key whose list allows reading only";
    }

    HWND frame = StartHidden();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(Restore(frame));
    HWND view = View(frame);
    Sleep(1600);
    DragSlider(view, kLowerSlider, 10);  // a save
    EXPECT_TRUE(VisibleWindowsOfClass("#32770").empty()) << "a message";
    PostMessageA(frame, WM_COMMAND, kIdAppExit, 0);  // and the save at the end
    EXPECT_TRUE(program_->WaitForExit(10000)) << "Exit does not end the program";
    for (std::size_t i = 0; i < saved.size(); ++i) EXPECT_EQ(RegistryBytes(kRegistryValues[i]), saved[i]) << kRegistryValues[i];
}

// ---- the ends ----

TEST_F(PelmoxTest, MinimiseCloseAndHideOnlyHideButExitEnds) {
    HWND frame = StartHidden();
    ASSERT_NE(frame, nullptr);
    const WPARAM hiders[] = {SC_MINIMIZE, SC_CLOSE};
    for (WPARAM command : hiders) {
        ASSERT_TRUE(Restore(frame));
        PostMessageA(frame, WM_SYSCOMMAND, command, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(frame); }, 3000)) << command;
    }
    ASSERT_TRUE(Restore(frame));
    PostMessageA(frame, WM_COMMAND, kIdHide, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(frame); }, 3000)) << "Hide";
    EXPECT_TRUE(IsWindow(frame));

    ASSERT_TRUE(board_.ClearLog());
    PostMessageA(frame, WM_COMMAND, kIdAppExit, 0);
    EXPECT_TRUE(program_->WaitForExit(10000)) << "Exit does not end the program";
    EXPECT_TRUE(WaitUntil([] { return TrayIconColumns() == 0; }, 3000)) << "the tray icon stays";
    std::optional<sim::RequestLog> log = board_.Log();
    ASSERT_TRUE(log);
    EXPECT_EQ(log->openHandles, 0u) << "the driver stays open";
    EXPECT_GE(log->total, 1u) << "no save at the end";
}

}  // namespace
}  // namespace e2e
