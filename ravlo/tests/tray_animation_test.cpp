#include "ravlo/tray_animation.h"

#include <gtest/gtest.h>

#include <vector>

namespace ravlo {
namespace {

std::vector<int> Icons(TrayAnimation& animation, bool normal, int ticks) {
    std::vector<int> icons;
    for (int i = 0; i < ticks; ++i) icons.push_back(animation.Next(normal).icon);
    return icons;
}

TEST(TrayAnimationTest, StartsWithTheHotPictureUntilTheFirstTick) {
    TrayAnimation animation;
    TrayFrame frame = animation.Start(false);
    EXPECT_EQ(frame.icon, 132);
    EXPECT_EQ(frame.tooltip, Tooltip::TooHigh);
    EXPECT_EQ(animation.Counter(), 1);
    frame = animation.Start(true);
    EXPECT_EQ(frame.icon, 127);
    EXPECT_EQ(frame.tooltip, Tooltip::Normal);
}

TEST(TrayAnimationTest, NormalTemperatureRaisesAndLowersTheColumn) {
    TrayAnimation animation;
    animation.Start(false);
    EXPECT_EQ(Icons(animation, true, 16),
              (std::vector<int>{129, 130, 131, 130, 129, 128, 127, 128, 129, 130, 131, 130, 129, 128, 127, 128}));
    EXPECT_EQ(animation.Next(true).tooltip, Tooltip::Normal);
}

TEST(TrayAnimationTest, TooHighTemperatureBlinksTheBurst) {
    TrayAnimation animation;
    animation.Start(false);
    EXPECT_EQ(Icons(animation, false, 10), (std::vector<int>{133, 134, 135, 136, 132, 133, 134, 135, 136, 132}));
    EXPECT_EQ(animation.Next(false).tooltip, Tooltip::TooHigh);
}

TEST(TrayAnimationTest, BothSeriesShareOneCounter) {
    TrayAnimation animation;
    animation.Start(true);
    Icons(animation, true, 6);  // counter 7
    EXPECT_EQ(animation.Counter(), 7);
    // (7 mod 5) + 1 = 3: the hot series goes on from the counter's value.
    EXPECT_EQ(animation.Next(false).icon, 134);
    EXPECT_EQ(animation.Counter(), 3);
    EXPECT_EQ(animation.Next(true).icon, 131);  // counter 4
}

}  // namespace
}  // namespace ravlo
