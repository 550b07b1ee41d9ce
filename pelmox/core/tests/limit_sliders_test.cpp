// Slider positions to limits and back.
#include "pelmox/core/limit_sliders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace pelmox {
namespace {

std::string Volts(float limit) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(limit));
    return text;
}

TEST(FanSliderTest, StepsOf72From1400) {
    EXPECT_EQ(FanLimitFromPosition(0), 1400.0f);
    EXPECT_EQ(FanLimitFromPosition(1), 1472.0f);
    EXPECT_EQ(FanLimitFromPosition(49), 4928.0f);
    for (int p = kSliderMin; p <= kSliderMax; ++p) EXPECT_EQ(FanPositionFromLimit(FanLimitFromPosition(p)), p) << p;
    EXPECT_EQ(FanPositionFromLimit(1471.0f), 0);   // truncated
    EXPECT_EQ(FanPositionFromLimit(1200.0f), -2);  // toward zero, not clamped
    EXPECT_EQ(FanPositionFromLimit(1350.0f), 0);
}

TEST(TemperatureSliderTest, StepsOf1Point6From20) {
    EXPECT_EQ(TemperatureLimitFromPosition(0), 20.0f);
    EXPECT_EQ(TemperatureLimitFromPosition(25), 60.0f);
    EXPECT_EQ(TemperatureLimitFromPosition(49), 98.4f);
    EXPECT_EQ(TemperaturePositionFromLimit(60.0f), 25);
    EXPECT_EQ(TemperaturePositionFromLimit(200.0f), 112);  // the slider clamps it
    EXPECT_EQ(TemperaturePositionFromLimit(0.0f), -12);
}

struct SupplyCase {
    int supply;  // index into kVoltageSpans
    int position;
    const char* text;  // the limit as the limit fields show it
};

class SupplySliderTest : public testing::TestWithParam<SupplyCase> {};

TEST_P(SupplySliderTest, GivesTheLimitInTheFields) {
    const SupplyCase& c = GetParam();
    EXPECT_EQ(Volts(SupplyLimitFromPosition(kVoltageSpans[static_cast<std::size_t>(c.supply)], c.position)), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, SupplySliderTest,
                         testing::Values(SupplyCase{0, 0, "10.800"}, SupplyCase{0, 25, "12.000"},
                                         SupplyCase{0, 49, "13.152"}, SupplyCase{1, 0, "4.500"},
                                         SupplyCase{1, 49, "5.480"}, SupplyCase{2, 0, "2.250"},
                                         SupplyCase{2, 25, "3.061"}, SupplyCase{2, 49, "3.840"},
                                         SupplyCase{3, 0, "1.620"}, SupplyCase{3, 49, "3.913"}));

TEST(SupplySliderTest, ComputesAtExtendedPrecision) {
    // Exact singles of the limits made from these positions; the same sums
    // formed in single precision land on the neighbouring single below.
    EXPECT_EQ(SupplyLimitFromPosition(kVoltageSpans[0], 25), 12.0f);
    EXPECT_EQ(SupplyLimitFromPosition(kVoltageSpans[1], 1), 4.51999998f);
    EXPECT_EQ(SupplyLimitFromPosition(kVoltageSpans[3], 30), 3.02399993f);
    EXPECT_EQ(SupplyLimitFromPosition(kVoltageSpans[3], 49), 3.9131999f);
}

TEST(SupplySliderTest, AFiveVoltLimitFromPosition1ReadsBackAs0) {
    const float limit = SupplyLimitFromPosition(kVoltageSpans[1], 1);
    EXPECT_EQ(SupplyPositionFromLimit(kVoltageSpans[1], limit), 0);
}

TEST(SliderRoundTripTest, ReadsBackThePositionOrOneLess) {
    for (int p = kSliderMin; p <= kSliderMax; ++p) {
        const int t = TemperaturePositionFromLimit(TemperatureLimitFromPosition(p));
        EXPECT_TRUE(t == p || t == p - 1) << "temperature " << p << " read back " << t;
        for (const VoltageSpan& span : kVoltageSpans) {
            const int s = SupplyPositionFromLimit(span, SupplyLimitFromPosition(span, p));
            EXPECT_TRUE(s == p || s == p - 1) << span.upperNominal << " V " << p << " read back " << s;
        }
    }
}

TEST(SliderPositionsTest, TwelveInTheOrderOfTheLimitBlock) {
    WatchDogLimit limits{};
    limits.cpuFanLow = FanLimitFromPosition(3);
    limits.fan2Low = FanLimitFromPosition(49);
    limits.chipsetTemperatureHigh = TemperatureLimitFromPosition(25);
    limits.cpuTemperatureHigh = 20.0f;
    limits.supply12VLow = 10.8f;
    limits.supply12VHigh = 12.05f;
    limits.supply5VLow = 4.55f;
    limits.supply5VHigh = 5.41f;
    limits.ioSupplyLow = 2.26f;
    limits.ioSupplyHigh = 3.8f;
    limits.cpuVoltageLow = 1.7f;
    limits.cpuVoltageHigh = 3.9f;
    const std::array<int, 12> expected{3, 49, 25, 0, 0, 26, 2, 45, 0, 47, 1, 48};
    EXPECT_EQ(SliderPositionsFromLimits(limits), expected);
}

TEST(SliderPositionsTest, LimitsNoSliderCanShowGiveDefinedPositions) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = std::numeric_limits<float>::max();
    EXPECT_EQ(FanPositionFromLimit(nan), 0);
    EXPECT_EQ(FanPositionFromLimit(huge), std::numeric_limits<int>::max());
    EXPECT_EQ(TemperaturePositionFromLimit(-huge), std::numeric_limits<int>::min());
    EXPECT_EQ(SupplyPositionFromLimit(kVoltageSpans[0], std::numeric_limits<float>::infinity()),
              std::numeric_limits<int>::max());
}

TEST(ItemSliderTest, EachItemUsesItsOwnMapping) {
    const SensorItem& fan = kSensorItems[0];
    const SensorItem& temperature = kSensorItems[3];
    const SensorItem& io = kSensorItems[6];
    EXPECT_EQ(LowerLimitFromPosition(fan, 49), 4928.0f);
    EXPECT_EQ(UpperLimitFromPosition(temperature, 25), 60.0f);
    EXPECT_EQ(Volts(UpperLimitFromPosition(io, 25)), "3.061");
    EXPECT_EQ(Volts(LowerLimitFromPosition(io, 0)), "2.250");
    EXPECT_EQ(SupplySpan(fan), nullptr);
    EXPECT_EQ(SupplySpan(io), &kVoltageSpans[2]);
}

}  // namespace
}  // namespace pelmox
