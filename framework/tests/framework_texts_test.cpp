#include "framework/framework_texts.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(RangeMessageTest, FillsInTheBounds) {
    EXPECT_EQ(RangeMessage(true, "1000", "20000"), "Please enter an integer between 1000 and 20000.");
    EXPECT_EQ(RangeMessage(false, "-20", "20"), "Please enter a number between -20 and 20.");
}

TEST(FormatMessageTest, ReplacesEveryPlaceholderAndKeepsOtherPercents) {
    EXPECT_EQ(FormatMessage("%2 .. %1 .. %2", "a", "b"), "b .. a .. b");
    EXPECT_EQ(FormatMessage("100% %3 %", "a", "b"), "100% %3 %");
}

TEST(TitleFromModulePathTest, IsTheFileNameWithoutExtension) {
    struct Case {
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"C:\\Tools\\KALVOR.EXE", "KALVOR"},
        {"C:/a.b/Kalvor.exe", "Kalvor"},
        {"KALVOR", "KALVOR"},
        {"C:\\dir.x\\noext", "noext"},
        {"C:\\dir\\my.tool.exe", "my.tool"},
        {"C:\\dir\\.hidden", ".hidden"},
    };
    for (const Case& c : cases) EXPECT_EQ(TitleFromModulePath(c.path), c.title) << c.path;
}

}  // namespace
}  // namespace fw
