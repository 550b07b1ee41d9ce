// The vendor file's grammar: where a key is found and what its value is.
#include "pelmox/core/vendor_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace pelmox {
namespace {

std::optional<std::string> Lookup(const std::string& text, const char* key) {
    std::string value = "untouched";
    if (!FindVendorValue(VendorText(text), key, value)) return std::nullopt;
    return value;
}

struct Case {
    const char* text;
    const char* key;
    std::optional<std::string> value;  // nothing: not found
};

class VendorGrammarTest : public testing::TestWithParam<Case> {};

TEST_P(VendorGrammarTest, FindsTheKeyAndReadsItsValue) {
    const Case& c = GetParam();
    EXPECT_EQ(Lookup(c.text, c.key), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, VendorGrammarTest,
    testing::Values(
        Case{"sound=off\n", "Sound", "OFF"}, Case{"SOUND = Off\n", "Sound", "OFF"},
        Case{"xSound =off\n", "Sound", "OFF"} /* inside a longer word */,
        Case{"Sound = OF F\n", "Sound", "OFF"} /* blanks inside are dropped */,
        Case{"; Sound = OFF\n", "Sound", std::nullopt} /* a comment */,
        Case{"Beep ; Sound = OFF\nSound = ON\n", "Sound", "ON"} /* a comment to the line end */,
        Case{"Sound = ON", "Sound", "ON"} /* the last line without a line end */,
        Case{"Sound = ON ; loud\n", "Sound", "ON"}, Case{"Sound = O=N\n", "Sound", "ON"},
        Case{"Sound = \tOn\n", "Sound", "\tON"} /* tabs stay */,
        Case{"Sound\n\n = OFF\n", "Sound", "OFF"} /* the next "=" in the file */,
        Case{"Sound\n", "Sound", ""} /* found, with no value */,
        Case{"Mode = Sound\nSound = ON\n", "Sound", "ON"} /* right of an equals sign */,
        Case{"SSound = OFF\n", "Sound", std::nullopt} /* a broken match starts over after it */,
        Case{"Sou\nnd = OFF\n", "Sound", std::nullopt} /* a line end breaks a match */,
        Case{"Sou;x\nnd = OFF\n", "Sound", std::nullopt} /* so does a comment */,
        Case{"Sound = OFF\r\nTemperatureUnit = F\r\n", "TemperatureUnit", "F"} /* CR LF is one line end */,
        Case{"CPUTemperatureUpper = 140\n", "cputemperatureupper", "140"},
        Case{"12VoltageLower = -11.4\n", "12VoltageLower", "-11.4"},
        Case{"CPUVoltageLower = unavailable\n", "CPUVoltageLower", "UNAVAILABLE"},
        Case{"5VoltageUpper = 5.25\n", "5VoltageLower", std::nullopt},
        Case{"", "Sound", std::nullopt}));

TEST(VendorValueTest, ALongValueIsCutToItsRoom) {
    std::string text = "Sound = " + std::string(500, 'x') + "\n";
    std::optional<std::string> value = Lookup(text, "Sound");
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, std::string(kVendorValueRoom, 'X'));
}

TEST(VendorValueTest, EachLookupStartsFromTheTop) {
    VendorText file("Sound = OFF\nTemperatureUnit = F\n");
    std::string value;
    ASSERT_TRUE(FindVendorValue(file, "TemperatureUnit", value));
    EXPECT_EQ(value, "F");
    ASSERT_TRUE(FindVendorValue(file, "Sound", value));
    EXPECT_EQ(value, "OFF");
    EXPECT_FALSE(FindVendorValue(file, "", value));
}

}  // namespace
}  // namespace pelmox
