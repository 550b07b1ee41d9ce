#include "boardsim/smbus/scenario.h"

#include <gtest/gtest.h>

namespace boardsim {
namespace {

constexpr char kFanFailure[] = R"(# a variant-1 board whose CPU fan stops
board variant=1 correction=1 v2ratio=4.8
at 0 temperature=42 vin1=3.36 vin2=11.8 vdd=5.1 fan1=4500
at 30 fan1=0
at 60 vin1=3.0   # the 3.3 V supply sags
at 90 stopped
at 120 busy      # another process takes the bus
)";

TEST(ScenarioTest, InputsChangeOverTimeAndKeepWhatIsNotNamed) {
    std::string error;
    auto scenario = ParseScenario(kFanFailure, error);
    ASSERT_TRUE(scenario) << error;
    EXPECT_EQ(scenario->board.variant, 1);
    EXPECT_TRUE(scenario->board.needsCorrection);
    EXPECT_FLOAT_EQ(scenario->board.v2Ratio, 4.8f);
    EXPECT_FALSE(scenario->driverMissing);

    ChipInputs start = scenario->InputsAt(0);
    EXPECT_DOUBLE_EQ(start.vin1, 3.36);
    EXPECT_EQ(start.fan1Rpm, 4500);
    ChipInputs later = scenario->InputsAt(75);
    EXPECT_EQ(later.fan1Rpm, 0);
    EXPECT_DOUBLE_EQ(later.vin1, 3.0);
    EXPECT_DOUBLE_EQ(later.temperature, 42);
    EXPECT_EQ(scenario->StopsBy(75), 0);
    EXPECT_EQ(scenario->StopsBy(90), 1);
    EXPECT_FALSE(scenario->InputsAt(90).stopped) << "a stop is an event, not a state";
    EXPECT_FALSE(scenario->BusyBy(119));
    EXPECT_TRUE(scenario->BusyBy(120));
    EXPECT_TRUE(scenario->BusyBy(500)) << "the bus stays taken";
    EXPECT_EQ(scenario->board.identifier, 0x80);
}

TEST(ScenarioTest, TheBoardMayCarryAChipOfAnotherKind) {
    std::string error;
    auto scenario = ParseScenario("board identifier=0x40\n", error);
    ASSERT_TRUE(scenario) << error;
    EXPECT_EQ(scenario->board.identifier, 64);
    EXPECT_FALSE(ParseScenario("board identifier=256\n", error));
}

TEST(ScenarioTest, EmptyScenarioIsAHealthyVariant0Board) {
    std::string error;
    auto scenario = ParseScenario("", error);
    ASSERT_TRUE(scenario);
    EXPECT_EQ(scenario->board.variant, 0);
    EXPECT_DOUBLE_EQ(scenario->InputsAt(10).vdd, 5.0);
}

TEST(ScenarioTest, BadLinesAreReportedWithTheirNumber) {
    for (const char* text : {"board variant=3", "board colour=red", "at -1 vin1=3", "at x vin1=3",
                             "at 5 vin1=", "at 5 humidity=3", "driver gone", "hello"}) {
        std::string error;
        EXPECT_FALSE(ParseScenario(std::string("\n") + text, error)) << text;
        EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
    }
}

TEST(ScenarioTest, DriverMissing) {
    std::string error;
    auto scenario = ParseScenario("driver missing\n", error);
    ASSERT_TRUE(scenario);
    EXPECT_TRUE(scenario->driverMissing);
}

}  // namespace
}  // namespace boardsim
