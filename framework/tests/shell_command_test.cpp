#include "framework/shell_command.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(ParseShellCommandTest, NoFileNameMakesANewDocumentAndTheFirstOneIsOpened) {
    struct Case {
        std::vector<std::string> arguments;
        ShellCommand::Kind kind;
        const char* fileName;
    };
    const Case cases[] = {
        {{}, ShellCommand::FileNew, ""},
        {{"/Embedding"}, ShellCommand::FileNew, ""},
        {{"-dde", ""}, ShellCommand::FileNew, ""},
        {{"C:\\data\\board.pmx"}, ShellCommand::FileOpen, "C:\\data\\board.pmx"},
        {{"/x", "first.pmx", "second.pmx"}, ShellCommand::FileOpen, "first.pmx"},
    };
    for (const Case& c : cases) {
        ShellCommand command = ParseShellCommand(c.arguments);
        EXPECT_EQ(command.kind, c.kind) << testing::PrintToString(c.arguments);
        EXPECT_EQ(command.fileName, c.fileName) << testing::PrintToString(c.arguments);
    }
}

TEST(DocStringPartTest, PartsAreSeparatedByLineBreaksAndMissingOnesAreEmpty) {
    const char* doc = "PelMox\n\nPelMox\n\n\nPelMox.Document\nPelMox Document";
    const char* expected[] = {"PelMox", "", "PelMox", "", "", "PelMox.Document", "PelMox Document", ""};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(DocStringPart(doc, i), expected[i]) << i;
    EXPECT_EQ(DocStringPart("Title", 0), "Title");
    EXPECT_EQ(DocStringPart("Title", 1), "");
    EXPECT_EQ(DocStringPart("Title", -1), "");
}

}  // namespace
}  // namespace fw
