#include "setup/board_setup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace setup {
namespace {

// Records every system call as one line of text, in order.
class FakePlatform final : public SetupPlatform {
public:
    FakePlatform(std::string windows, std::string current)
        : windows_(std::move(windows)), current_(std::move(current)) {}

    std::string WindowsDirectory() override { return windows_; }
    std::string CurrentDirectory() override { return current_; }
    void ChangeDirectory(const std::string& directory) override {
        calls.push_back("cd " + directory);
        current_ = directory;
    }
    void Run(const std::string& commandLine, ShowCommand show) override {
        calls.push_back("run" + std::to_string(static_cast<unsigned>(show)) + " " + commandLine);
    }
    void Sleep(unsigned milliseconds) override { calls.push_back("sleep " + std::to_string(milliseconds)); }

    std::vector<std::string> calls;

private:
    std::string windows_;
    std::string current_;
};

using Calls = std::vector<std::string>;

const Calls kRavloFromSetup{
    "run0 C:\\WINDOWS\\rundll setupx.dll,InstallHinfSection DefaultInstall 132 D:\\SETUP\\HW1\\Ravlo.inf",
    "sleep 4000",
    "run5 C:\\WINDOWS\\Ravlo.exe",
};

Calls InstallerIn(const std::string& n) {
    return {"cd D:\\SETUP\\" + n, "run5 D:\\SETUP\\" + n + "\\Setup.exe"};
}

struct BoardCase {
    std::string identifier;
    Calls calls;
};

class StartInstallationTest : public testing::TestWithParam<BoardCase> {};

TEST_P(StartInstallationTest, StartsTheBoardsInstallation) {
    FakePlatform platform("C:\\WINDOWS", "D:\\SETUP");
    StartInstallation(GetParam().identifier, platform);
    EXPECT_EQ(platform.calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    BoardTable, StartInstallationTest,
    testing::Values(BoardCase{"QR4W", kRavloFromSetup}, BoardCase{"QR4WD", kRavloFromSetup},
                    BoardCase{"QT4W", kRavloFromSetup}, BoardCase{"QT7G", kRavloFromSetup},
                    BoardCase{"QR39", kRavloFromSetup}, BoardCase{"QT7M", InstallerIn("HW2")},
                    BoardCase{"QR48Z", InstallerIn("HW4")}, BoardCase{"ZQ8802", InstallerIn("HW4")},
                    // Whole, case-sensitive comparison; everything else is an HW3 board.
                    BoardCase{"qr4w", InstallerIn("HW3")}, BoardCase{"", InstallerIn("HW3")},
                    BoardCase{"QR4", InstallerIn("HW3")}, BoardCase{"QR4W ", InstallerIn("HW3")},
                    BoardCase{"QT7MX", InstallerIn("HW3")}, BoardCase{"Unknown board", InstallerIn("HW3")}));

TEST(StartInstallationTest, MediumAtTheRootOfADrive) {
    FakePlatform ravlo("C:\\WINDOWS", "D:\\");
    StartInstallation("QR4W", ravlo);
    EXPECT_EQ(ravlo.calls.front(),
              "run0 C:\\WINDOWS\\rundll setupx.dll,InstallHinfSection DefaultInstall 132 D:\\HW1\\Ravlo.inf");

    // The installer directory takes the current directory as it stands.
    FakePlatform installer("C:\\WINDOWS", "D:\\");
    StartInstallation("", installer);
    EXPECT_EQ(installer.calls, (Calls{"cd D:\\\\HW3", "run5 D:\\\\HW3\\Setup.exe"}));
}

TEST(StartInstallationTest, LongDirectoriesAreUsedWhole) {
    const std::string windows = "C:\\Windows Directory Longer Than Its Room";
    const std::string medium = "E:\\Ostrel Driver Disk\\Mainboard Utilities";
    FakePlatform platform(windows, medium);
    StartInstallation("QT7G", platform);
    EXPECT_EQ(platform.calls,
              (Calls{"run0 " + windows + "\\rundll setupx.dll,InstallHinfSection DefaultInstall 132 " + medium +
                         "\\HW1\\Ravlo.inf",
                     "sleep 4000", "run5 " + windows + "\\Ravlo.exe"}));
}

TEST(StartInstallationTest, UnreadableDirectoriesStartNothing) {
    for (auto [windows, current, identifier] : {std::tuple{"", "D:\\SETUP", "QR4W"},
                                                std::tuple{"C:\\WINDOWS", "", "QR4W"},
                                                std::tuple{"C:\\WINDOWS", "", "QT7M"}}) {
        FakePlatform platform(windows, current);
        StartInstallation(identifier, platform);
        EXPECT_TRUE(platform.calls.empty()) << identifier << " in '" << current << "'";
    }
}

}  // namespace
}  // namespace setup
