#include "boardsim/journal/journal.h"

#include <gtest/gtest.h>

namespace boardsim {
namespace {

TEST(JournalTest, LinesReadBackAsWritten) {
    JournalEntry entry{123456, "rundll", 0, "C:\\medium",
                       "C:\\windows\\rundll setupx.dll,InstallHinfSection DefaultInstall 132 C:\\medium\\HW1\\Ravlo.inf"};
    std::string text = FormatJournalLine(entry) + FormatJournalLine({5, "Setup HW3", -1, "D:\\\\HW3", "D:\\\\HW3\\Setup.exe"});
    auto entries = ParseJournal(text);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].tickMs, 123456u);
    EXPECT_EQ(entries[0].program, "rundll");
    EXPECT_EQ(entries[0].showCommand, 0);
    EXPECT_EQ(entries[1].showCommand, -1);
    EXPECT_EQ(entries[0].currentDirectory, "C:\\medium");
    EXPECT_EQ(entries[0].commandLine, entry.commandLine);
    EXPECT_EQ(entries[1].currentDirectory, "D:\\\\HW3");
}

TEST(JournalTest, FieldSeparatorsInsideFieldsAreFlattened) {
    auto entry = ParseJournalLine(FormatJournalLine({1, "a\tb", 5, "dir", "line one\r\nline two"}));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->program, "a b");
    EXPECT_EQ(entry->commandLine, "line one  line two");
}

TEST(JournalTest, DamagedLinesAreSkipped) {
    auto entries = ParseJournal("garbage\r\nx\ta\t5\tb\tc\r\n7\tok\t5\tdir\tcmd\r\n8\tcut\r\n9\tshow\tx\td\tc\r\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].program, "ok");
}

}  // namespace
}  // namespace boardsim
