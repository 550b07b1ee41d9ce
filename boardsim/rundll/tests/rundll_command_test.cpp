#include "boardsim/rundll/rundll_command.h"

#include <gtest/gtest.h>

namespace boardsim {
namespace {

struct RundllCase {
    const char* line;
    const char* library;
    const char* entry;
    const char* arguments;
};

class ParseRundllCommandTest : public testing::TestWithParam<RundllCase> {};

TEST_P(ParseRundllCommandTest, SplitsLibraryEntryAndArguments) {
    auto command = ParseRundllCommand(GetParam().line);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->library, GetParam().library);
    EXPECT_EQ(command->entry, GetParam().entry);
    EXPECT_EQ(command->arguments, GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseRundllCommandTest,
    testing::Values(
        RundllCase{"C:\\windows\\rundll setupx.dll,InstallHinfSection DefaultInstall 132 D:\\HW1\\Ravlo.inf",
                   "setupx.dll", "InstallHinfSection", "DefaultInstall 132 D:\\HW1\\Ravlo.inf"},
        RundllCase{"\"C:\\Program Files\\rundll.exe\"  SETUPX.DLL,InstallHinfSection   X 1 a.inf",
                   "SETUPX.DLL", "InstallHinfSection", "X 1 a.inf"},
        RundllCase{"rundll lib.dll,Entry", "lib.dll", "Entry", ""}));

TEST(ParseRundllCommandTest, RejectsLinesWithoutLibraryAndEntry) {
    for (const char* line : {"", "rundll", "rundll setupx.dll", "rundll ,Entry", "rundll lib.dll,",
                             "\"rundll unclosed setupx.dll,InstallHinfSection"})
        EXPECT_FALSE(ParseRundllCommand(line)) << line;
}

TEST(SameNameTest, IgnoresCase) {
    EXPECT_TRUE(SameName("SetupX.DLL", "setupx.dll"));
    EXPECT_FALSE(SameName("setupx.dl", "setupx.dll"));
}

}  // namespace
}  // namespace boardsim
