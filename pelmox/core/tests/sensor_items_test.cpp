// The item table: list order and bits, and each item's limits where the
// limit block holds them.
#include "pelmox/core/sensor_items.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace pelmox {
namespace {

TEST(SensorItemsTest, ListIndexAndBitCorrespond) {
    for (int i = 0; i < kItemCount; ++i) {
        const SensorItem& item = kSensorItems[static_cast<std::size_t>(i)];
        EXPECT_EQ(item.listIndex, i);
        EXPECT_EQ(item.bit, 1u << i);
        EXPECT_EQ(ItemIndexFromBit(item.bit), i);
    }
    EXPECT_EQ(ItemIndexFromBit(0), -1);
    EXPECT_EQ(ItemIndexFromBit(ITEM_CPU_FAN | ITEM_FAN2), -1);
}

TEST(SensorItemsTest, EachItemReachesItsOwnValueAndLimits) {
    // Distinct numbers in every slot show which slot an item reads.
    SensorValues values{1, 2, 3, 4, 5, 6, 7, 8};
    WatchDogLimit limits{0, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    struct Expect {
        float value, lower, upper;  // 0: no such limit
    };
    const Expect expected[kItemCount] = {{1, 11, 0},  {2, 12, 0},  {3, 0, 13},  {4, 0, 14},
                                         {5, 15, 16}, {6, 17, 18}, {7, 19, 20}, {8, 21, 22}};
    for (std::size_t i = 0; i < kSensorItems.size(); ++i) {
        const SensorItem& item = kSensorItems[i];
        EXPECT_EQ(values.*item.value, expected[i].value) << i;
        EXPECT_EQ(item.lower ? limits.*item.lower : 0.0f, expected[i].lower) << i;
        EXPECT_EQ(item.upper ? limits.*item.upper : 0.0f, expected[i].upper) << i;
        EXPECT_EQ(item.vendorLowerKey != nullptr, item.lower != nullptr) << i;
        EXPECT_EQ(item.vendorUpperKey != nullptr, item.upper != nullptr) << i;
    }
}

}  // namespace
}  // namespace pelmox
