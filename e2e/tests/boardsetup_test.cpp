// boardsetup on the simulated board: which program it starts, with which
// command line, show command and current directory, and what the firmware
// driver was asked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/support/board_session.h"
#include "e2e/support/prefix_layout.h"
#include "e2e/support/program.h"
#include "e2e/support/screenshot.h"
#include "e2e/support/window_finder.h"

namespace e2e {
namespace {

using boardsim::Fault;
using boardsim::IoprobeBoard;
using boardsim::JournalEntry;

constexpr char kRavloTitle[] = "CPU Thermal Monitor";
constexpr int kShowHidden = 0;
constexpr int kShowNormal = 5;

const std::string kWindows = kWindowsDirectory;
const std::string kInstallPrefix = kWindows + "\\rundll setupx.dll,InstallHinfSection DefaultInstall 132 ";

std::string Join(const std::string& directory, const std::string& name) {
    return directory.back() == '\\' ? directory + name : directory + "\\" + name;
}

class BoardsetupTest : public testing::Test {
protected:
    void SetUp() override {
        EndStartedPrograms();
        ASSERT_TRUE(StartFirmwareDriver());
        ClearJournal();
        ClearRequests();
        RemoveFile(kWindows + "\\Ravlo.exe");
        RemoveFile(kWindows + "\\RemoveRV.inf");
        RemoveFile(kWindows + "\\TRAYREMOVE.EXE");
    }

    void TearDown() override {
        EndStartedPrograms();
        StartFirmwareDriver();
    }

    static void EndStartedPrograms() {
        EndProgramsNamed({"BOARDSETUP.EXE", "Setup.exe", "Ravlo.exe", "rundll.exe"});
    }

    // Runs BOARDSETUP.EXE of the medium at `medium`, from there, and checks
    // that it ends with exit code 0 within `timeoutMs`.
    void RunBoardsetup(const std::string& medium, DWORD timeoutMs = 20000) {
        Program boardsetup(Join(medium, "BOARDSETUP.EXE"), medium);
        ASSERT_TRUE(boardsetup.Started());
        auto code = boardsetup.WaitForExit(timeoutMs);
        ASSERT_TRUE(code) << "boardsetup did not end";
        EXPECT_EQ(*code, 0u);
    }

    // Waits for the box of a started stand-in and closes it.
    static void CloseStandIn(const char* title) {
        HWND box = WaitForWindow(title, 10000);
        ASSERT_NE(box, nullptr) << "no window \"" << title << "\"";
        EXPECT_TRUE(PressButton(box, IDOK));
    }

    static std::vector<JournalEntry> Started() { return ReadJournal(); }
};

// Wine puts quotes around a program path with blanks in it when it starts
// a command line; the command as WinExec was given it is what is left.
std::string AsGiven(const std::string& commandLine) {
    if (commandLine.empty() || commandLine.front() != '"') return commandLine;
    std::size_t close = commandLine.find('"', 1);
    if (close == std::string::npos) return commandLine;
    std::string program = commandLine.substr(1, close - 1);
    if (program.find(' ') == std::string::npos) return commandLine;
    return program + commandLine.substr(close + 1);
}

void ExpectStarted(const JournalEntry& entry, const std::string& program, int show, const std::string& directory,
                   const std::string& commandLine) {
    EXPECT_EQ(entry.program, program);
    EXPECT_EQ(entry.showCommand, show) << program;
    EXPECT_EQ(entry.currentDirectory, directory) << program;
    EXPECT_EQ(AsGiven(entry.commandLine), commandLine) << program;
}

// The INF installer on HW1\Ravlo.inf, then, 4 s later, the installed monitor.
void ExpectRavloInstalled(const std::vector<JournalEntry>& started, const std::string& medium) {
    ASSERT_EQ(started.size(), 2u);
    ExpectStarted(started[0], "rundll", kShowHidden, medium, kInstallPrefix + Join(medium, "HW1\\Ravlo.inf"));
    ExpectStarted(started[1], "Ravlo", kShowNormal, medium, kWindows + "\\Ravlo.exe");
    // Each side also carries its own process start-up, which varies.
    auto pause = started[1].tickMs - started[0].tickMs;
    EXPECT_GE(pause, 3400u);
    EXPECT_LE(pause, 6500u);
    EXPECT_TRUE(FileExists(kWindows + "\\Ravlo.exe"));
    EXPECT_TRUE(FileExists(kWindows + "\\RemoveRV.inf"));
    EXPECT_TRUE(FileExists(kWindows + "\\TRAYREMOVE.EXE"));
}

void ExpectInstallerStarted(const std::vector<JournalEntry>& started, const std::string& medium,
                            const std::string& hw) {
    ASSERT_EQ(started.size(), 1u);
    std::string directory = medium + "\\" + hw;  // no separator removed, even at a root
    ExpectStarted(started[0], "Setup " + hw, kShowNormal, Join(medium, hw), directory + "\\Setup.exe");
}

// The walk for System Information, then the second request for it.
const std::vector<std::uint32_t> kReadsSystemInformation{0, 1, 1};

struct InstallerCase {
    const char* name;
    std::string identifier;
    std::string hw;
};

class InstallerBoardTest : public BoardsetupTest, public testing::WithParamInterface<InstallerCase> {};

TEST_P(InstallerBoardTest, StartsTheMediumsInstallerInItsDirectory) {
    ServeBoard(BoardNamed(GetParam().identifier));
    RunBoardsetup(kProbeMediumDirectory);
    CloseStandIn((GetParam().hw + " Setup").c_str());
    ExpectInstallerStarted(Started(), kProbeMediumDirectory, GetParam().hw);
    EXPECT_EQ(FirmwareRequests(), kReadsSystemInformation);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, InstallerBoardTest,
    testing::Values(InstallerCase{"QT7M", "QT7M", "HW2"}, InstallerCase{"QR48Z", "QR48Z", "HW4"},
                    InstallerCase{"ZQ8802", "ZQ8802", "HW4"}, InstallerCase{"LowerCase", "qr4w", "HW3"},
                    InstallerCase{"Empty", "", "HW3"}, InstallerCase{"Unknown", "QX9000", "HW3"}),
    [](const testing::TestParamInfo<InstallerCase>& testCase) { return testCase.param.name; });

class RavloBoardTest : public BoardsetupTest, public testing::WithParamInterface<std::string> {};

TEST_P(RavloBoardTest, InstallsTheMonitorAndStartsIt) {
    ServeBoard(BoardNamed(GetParam()));
    RunBoardsetup(kProbeMediumDirectory);
    CloseStandIn(kRavloTitle);
    ExpectRavloInstalled(Started(), kProbeMediumDirectory);
    EXPECT_EQ(FirmwareRequests(), kReadsSystemInformation);
}

INSTANTIATE_TEST_SUITE_P(Boards, RavloBoardTest, testing::Values("QR4W", "QR4WD", "QT4W", "QT7G", "QR39"));

TEST_F(BoardsetupTest, LongFirstStringGivesTheTextFromOffset33) {
    // 21 characters, then "QR4W": offsets 12 to 31 hold no NUL.
    IoprobeBoard board = BoardNamed("QT7M");
    board.systemInformation->manufacturer = "Ostrel Mainboard Ltd QR4W";
    ServeBoard(board);
    RunBoardsetup(kProbeMediumDirectory);
    CloseStandIn(kRavloTitle);
    ExpectRavloInstalled(Started(), kProbeMediumDirectory);
}

TEST_F(BoardsetupTest, FirstStringOf20CharactersStillGivesTheProductName) {
    IoprobeBoard board = BoardNamed("QT7M");
    board.systemInformation->manufacturer = "Ostrel Mainboard Ltd";
    ServeBoard(board);
    RunBoardsetup(kProbeMediumDirectory);
    CloseStandIn("HW2 Setup");
    ExpectInstallerStarted(Started(), kProbeMediumDirectory, "HW2");
}

TEST_F(BoardsetupTest, MissingDriverShowsInitFailThenStartsHw3) {
    ASSERT_TRUE(StopFirmwareDriver());
    Program boardsetup(Join(kProbeMediumDirectory, "BOARDSETUP.EXE"), kProbeMediumDirectory);
    HWND box = WaitForWindow("VxD", 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Init Fail!");
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "OK is the only button";
    SaveScreenshot("boardsetup-init-fail");
    EXPECT_TRUE(Started().empty()) << "nothing is started while the box is up";
    ASSERT_TRUE(PressButton(box, IDOK));

    auto code = boardsetup.WaitForExit(10000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    CloseStandIn("HW3 Setup");
    ExpectInstallerStarted(Started(), kProbeMediumDirectory, "HW3");
}

TEST_F(BoardsetupTest, MediumAtTheRootOfADrive) {
    ServeBoard(BoardNamed("QR4W"));
    RunBoardsetup(kProbeMediumDriveRoot);
    CloseStandIn(kRavloTitle);
    ExpectRavloInstalled(Started(), kProbeMediumDriveRoot);

    ClearJournal();
    ServeBoard(BoardNamed("QT7M"));
    RunBoardsetup(kProbeMediumDriveRoot);
    CloseStandIn("HW2 Setup");
    ExpectInstallerStarted(Started(), kProbeMediumDriveRoot, "HW2");
    EXPECT_EQ(Started().at(0).commandLine, "M:\\\\HW2\\Setup.exe");
}

TEST_F(BoardsetupTest, MediumDirectoryLongerThanItsRoomIsUsedWhole) {
    ServeBoard(BoardNamed("QT7M"));
    RunBoardsetup(kLongProbeMediumDirectory);
    CloseStandIn("HW2 Setup");
    ExpectInstallerStarted(Started(), kLongProbeMediumDirectory, "HW2");

    ClearJournal();
    ServeBoard(BoardNamed("QR4W"));
    RunBoardsetup(kLongProbeMediumDirectory);
    CloseStandIn(kRavloTitle);
    ExpectRavloInstalled(Started(), kLongProbeMediumDirectory);
}

struct FaultCase {
    const char* name;
    Fault fault;
    bool systemInformation;
    std::vector<std::uint32_t> firstRequests;
    std::size_t requestCount;
};

class FaultyDriverTest : public BoardsetupTest, public testing::WithParamInterface<FaultCase> {};

// A driver that fails, loops or never ends its table still leaves the user
// with an installer: the identifier is empty or not a known board.
TEST_P(FaultyDriverTest, EndsInTimeWithTheHw3Installer) {
    IoprobeBoard board = BoardNamed("QR4W");
    if (!GetParam().systemInformation) board.systemInformation.reset();
    board.fault = GetParam().fault;
    ServeBoard(board);
    RunBoardsetup(kProbeMediumDirectory);
    CloseStandIn("HW3 Setup");
    ExpectInstallerStarted(Started(), kProbeMediumDirectory, "HW3");

    boardsim::IoprobeBoardClient client;
    auto log = client.ReadRequestLog();
    ASSERT_TRUE(log);
    EXPECT_EQ(log->total, GetParam().requestCount);
    std::vector<std::uint32_t> requests = FirmwareRequests();
    requests.resize(std::min(requests.size(), GetParam().firstRequests.size()));
    EXPECT_EQ(requests, GetParam().firstRequests);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultyDriverTest,
    testing::Values(FaultCase{"EveryRequestFails", Fault::FailAll, true, {0, 0}, 2},
                    FaultCase{"Cycle", Fault::Cycle, false, {0, 1, 0}, 3},
                    // The walk's request limit, then the request for handle 0.
                    FaultCase{"Endless", Fault::Endless, false, {0, 1, 0x1000, 0x1001}, 4097},
                    FaultCase{"LastHandleAnswered", Fault::AnswerLast, false, {0, 1, 0xFFFF, 0xFFFF}, 4}),
    [](const testing::TestParamInfo<FaultCase>& testCase) { return testCase.param.name; });

}  // namespace
}  // namespace e2e
