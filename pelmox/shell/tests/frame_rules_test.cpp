#include "pelmox/shell/frame_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmox {
namespace {

TEST(FramePlacementTest, StartsAndFitsNearTheBottomRightCorner) {
    ScreenSize screen{1024, 768};
    EXPECT_EQ(InitialFrameX(screen), 678);
    EXPECT_EQ(InitialFrameY(screen), 358);

    // A 318 x 282 form with the frame's borders, caption, toolbar and menu.
    FrameRect frame = FitAroundForm(318, 282, FrameMetrics{4, 4, 18, 32, 19}, screen);
    EXPECT_EQ(frame.width, 326);
    EXPECT_EQ(frame.height, 282 + 8 + 18 + 32 + 19);
    EXPECT_EQ(frame.x + frame.width, 1024 - 20);
    EXPECT_EQ(frame.y + frame.height, 768 - 50);
}

TEST(TrayAnimationTest, ShowsTheSixPicturesInOrderAndStartsOver) {
    TrayAnimation animation;
    std::vector<int> shown;
    for (int tick = 0; tick < 8; ++tick) shown.push_back(animation.Next());
    EXPECT_EQ(shown, (std::vector<int>{136, 187, 188, 189, 190, 191, 136, 187}));
}

}  // namespace
}  // namespace pelmox
