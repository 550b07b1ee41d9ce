// When a value counts as outside its limits.
#include "pelmox/core/limit_checks.h"

#include <gtest/gtest.h>

namespace pelmox {
namespace {

struct Case {
    const char* what;
    bool (*test)(float, float);
    float value, limit;
    bool outside;
};

bool Fan(float value, float limit) { return FanOutside(value, limit); }
bool Temperature(float value, float limit) { return TemperatureOutside(value, limit); }

class OneLimitTest : public testing::TestWithParam<Case> {};

TEST_P(OneLimitTest, ComparesValueAndLimit) {
    const Case& c = GetParam();
    EXPECT_EQ(c.test(c.value, c.limit), c.outside) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneLimitTest,
    testing::Values(Case{"fan at its limit", Fan, 3000.0f, 3000.0f, false},
                    Case{"fan one rpm less", Fan, 2999.0f, 3000.0f, true},
                    Case{"fan above", Fan, 4000.0f, 3000.0f, false},
                    Case{"fan without reading", Fan, 0.0f, 3000.0f, true},
                    Case{"temperature at its limit", Temperature, 60.0f, 60.0f, false},
                    Case{"temperature just above", Temperature, 60.01f, 60.0f, true},
                    Case{"zero value, zero limit", Temperature, 0.0f, 0.0f, true},
                    Case{"negative zero value", Temperature, -0.0f, 0.0f, true},
                    Case{"negative zero limit", Temperature, 0.0f, -0.0f, true},
                    Case{"both negative zero", Temperature, -0.0f, -0.0f, true},
                    Case{"zero value, limit 60", Temperature, 0.0f, 60.0f, false},
                    Case{"value 30, zero limit", Temperature, 30.0f, 0.0f, true},
                    Case{"below zero, zero limit", Temperature, -5.0f, 0.0f, false}));

TEST(SupplyOutsideTest, InsideFromLowerToUpperLimitInclusive) {
    EXPECT_FALSE(SupplyOutside(11.4f, 11.4f, 12.6f));
    EXPECT_FALSE(SupplyOutside(12.6f, 11.4f, 12.6f));
    EXPECT_TRUE(SupplyOutside(11.39f, 11.4f, 12.6f));
    EXPECT_TRUE(SupplyOutside(12.61f, 11.4f, 12.6f));
    EXPECT_TRUE(SupplyOutside(0.0f, 11.4f, 12.6f));
}

TEST(IsOutsideLimitsTest, EachItemUsesItsGroupsTest) {
    SensorValues values{3000, 2999, 0, 0, 12.0f, 5.3f, 3.3f, 2.0f};
    WatchDogLimit limits{};
    limits.cpuFanLow = 3000;
    limits.fan2Low = 3000;
    limits.chipsetTemperatureHigh = 0;   // with value 0: outside
    limits.cpuTemperatureHigh = 60;      // with value 0: inside
    limits.supply12VLow = 11;
    limits.supply12VHigh = 12;  // at the upper limit: inside
    limits.supply5VLow = 4.5f;
    limits.supply5VHigh = 5.25f;  // above
    limits.ioSupplyLow = 3.4f;    // below
    limits.ioSupplyHigh = 3.8f;
    limits.cpuVoltageLow = 1.8f;
    limits.cpuVoltageHigh = 2.2f;
    const bool expected[kItemCount] = {false, true, true, false, false, true, true, false};
    for (std::size_t i = 0; i < kSensorItems.size(); ++i) {
        EXPECT_EQ(IsOutsideLimits(kSensorItems[i], values, limits), expected[i]) << kSensorItems[i].listText;
    }
}

}  // namespace
}  // namespace pelmox
