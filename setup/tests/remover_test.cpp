#include "setup/remover.h"

#include <gtest/gtest.h>

#include <vector>

namespace setup {
namespace {

class FakeRemoverPlatform final : public RemoverPlatform {
public:
    explicit FakeRemoverPlatform(std::string windows) : windows_(std::move(windows)) {}

    void EndMonitor() override { calls.push_back("end monitor"); }
    std::string WindowsDirectory() override { return windows_; }
    void Run(const std::string& commandLine, ShowCommand show) override {
        calls.push_back("run" + std::to_string(static_cast<unsigned>(show)) + " " + commandLine);
    }

    std::vector<std::string> calls;

private:
    std::string windows_;
};

TEST(RemoveRavloTest, EndsTheMonitorThenStartsTheRemovalScriptHidden) {
    FakeRemoverPlatform platform("C:\\WINDOWS");
    RemoveRavlo(platform);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{
                  "end monitor",
                  "run0 C:\\WINDOWS\\rundll setupx.dll,InstallHinfSection DefaultInstall 132 C:\\WINDOWS\\RemoveRV.inf"}));
}

TEST(RemoveRavloTest, LongWindowsDirectoryIsUsedWhole) {
    const std::string windows = "C:\\A Windows Directory Longer Than 28";
    FakeRemoverPlatform platform(windows);
    RemoveRavlo(platform);
    ASSERT_EQ(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls[1], "run0 " + windows + "\\rundll setupx.dll,InstallHinfSection DefaultInstall 132 " +
                                     windows + "\\RemoveRV.inf");
}

TEST(RemoveRavloTest, UnreadableWindowsDirectoryStartsNothing) {
    FakeRemoverPlatform platform("");
    RemoveRavlo(platform);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"end monitor"}));
}

}  // namespace
}  // namespace setup
