#include "kalvor/limit_edits.h"

#include <gtest/gtest.h>

#include "recording_bus.h"

namespace kalvor {
namespace {

struct Dialog {
    Dialog() { bus.registers[reg::kMiscellaneous] = 0x50; }
    RecordingBus bus;
    KalvorDialogData data;
    CMonitorChip chip{bus, bus, data.settings};
    bool pollingEnabled = true;

    LimitEditOutcome Type(int control, const char* text) {
        bus.log.clear();
        return ApplyLimitEdit(control, text, data, chip, pollingEnabled);
    }
};

struct EditCase {
    int control;
    const char* text;
    LimitEditResult result;
    const char* message;
};

class LimitEditTest : public testing::TestWithParam<EditCase> {};

TEST_P(LimitEditTest, ChecksCharactersThenRange) {
    Dialog d;
    LimitEditOutcome outcome = d.Type(GetParam().control, GetParam().text);
    EXPECT_EQ(outcome.result, GetParam().result);
    EXPECT_EQ(outcome.message, GetParam().message);
    EXPECT_EQ(d.pollingEnabled, GetParam().result == LimitEditResult::Accepted) << "polling pauses until valid";
    if (GetParam().result != LimitEditResult::Accepted) {
        EXPECT_TRUE(d.bus.log.empty()) << "nothing reaches the chip";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edits, LimitEditTest,
    testing::Values(EditCase{1032, "65", LimitEditResult::Accepted, ""},
                    EditCase{1032, "6a", LimitEditResult::BadCharacters, "Please enter a integer value !"},
                    EditCase{1032, "", LimitEditResult::BadCharacters, "Please enter a integer value !"},
                    // No temperature below 0 can be typed: "-" is not a digit.
                    EditCase{1033, "-5", LimitEditResult::BadCharacters, "Please enter a integer value !"},
                    EditCase{1032, "129", LimitEditResult::OutOfRange, "Please enter an integer between -32 and 128."},
                    EditCase{1042, "999", LimitEditResult::OutOfRange, "Please enter an integer between 1000 and 20000."},
                    EditCase{1034, "3.6x", LimitEditResult::BadCharacters, "Please enter a floating value !"},
                    EditCase{1034, "21", LimitEditResult::OutOfRange, "Please enter a number between -20 and 20."},
                    EditCase{1041, "-1.5", LimitEditResult::Accepted, ""}));

TEST(LimitEditTest, TextsConvertAsAtofAndAtoiDo) {
    Dialog d;
    EXPECT_EQ(d.Type(1034, "1.2.3").result, LimitEditResult::Accepted);
    EXPECT_FLOAT_EQ(d.data.settings.v1HiLimit, 1.2f);
    EXPECT_EQ(d.data.limitTexts.v1HiLimit, "1.2.3");
    EXPECT_EQ(d.Type(1039, "--").result, LimitEditResult::Accepted);
    EXPECT_FLOAT_EQ(d.data.settings.v2LoLimit, 0.0f);
}

TEST(LimitEditTest, OutOfRangeIsStoredButNotWritten) {
    Dialog d;
    d.Type(1043, "50000");
    EXPECT_EQ(d.data.settings.fan2Limit, 50000);
    EXPECT_TRUE(d.bus.log.empty());
}

TEST(LimitEditTest, AcceptedLimitsReachTheChipAsTheirTableSays) {
    Dialog d;
    d.Type(1032, "60");
    EXPECT_EQ(d.bus.registers[reg::kOverLimit], 179);
    d.Type(1042, "3000");
    EXPECT_EQ(d.bus.registers[reg::kFanLimits] & 0xFF, 80);
    d.Type(1037, "2.2");
    EXPECT_EQ(d.bus.registers[reg::kVin3Limits] & 0xFF, 126) << "2.2 V on variant 0";
    d.Type(1036, "5.3");
    EXPECT_TRUE(d.bus.log.empty()) << "the 5 V limits go through the schedule";
    EXPECT_FLOAT_EQ(d.data.settings.vddHiLimit, 5.3f);
}

}  // namespace
}  // namespace kalvor
