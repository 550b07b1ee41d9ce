// The warning dialog's pictures step by step, the help topics and the
// rule that drops a warning raised while one is up.
#include "pelmox/shell/warning_animation.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmox {
namespace {

std::vector<int> Steps(WarningAnimation& animation, int kind, int count) {
    std::vector<int> shown;
    for (int i = 0; i < count; ++i) shown.push_back(animation.Step(kind));
    return shown;
}

TEST(WarningAnimationTest, EachKindCyclesThroughItsPictures) {
    const struct {
        int kind;
        std::vector<int> cycle;  // one entry per 100 ms step; 0 keeps the picture
    } cases[] = {
        {WarnFan, {148, 0, 168, 0, 167, 0, 168, 0}},
        {WarnTemperature, {150, 0, 163, 0, 164, 0}},
        {WarnVoltage, {149, 0, 165, 0, 166, 0}},
        {WarnFault, {181, 0, 0, 0, 182, 0, 0, 0, 0}},
        {4, {0, 0}},
        {0, {0}},
    };
    for (const auto& c : cases) {
        WarningAnimation animation;
        int length = static_cast<int>(c.cycle.size());
        EXPECT_EQ(Steps(animation, c.kind, length), c.cycle) << "kind " << c.kind;
        EXPECT_EQ(Steps(animation, c.kind, length), c.cycle) << "kind " << c.kind << ", second cycle";
    }
}

TEST(WarningAnimationTest, AKindGoesOnWhereItsLastWarningStopped) {
    WarningAnimation animation;
    Steps(animation, WarnFan, 3);  // 148, -, 168
    Steps(animation, WarnFault, 5);
    EXPECT_EQ(animation.Counter(WarnFan), 4) << "other kinds keep their own counters";
    EXPECT_EQ(animation.Step(WarnFan), 0);
    EXPECT_EQ(animation.Step(WarnFan), 167);
}

TEST(WarningAnimationTest, HelpTopicsByKind) {
    const struct {
        int kind, context;
    } cases[] = {{WarnFan, 121}, {WarnTemperature, 122}, {WarnVoltage, 123}, {WarnFault, 124}, {4, 120}, {-1, 120}};
    for (const auto& c : cases) EXPECT_EQ(HelpContext(c.kind), c.context) << c.kind;
}

TEST(WarningGateTest, AWarningRaisedWhileOneIsUpIsDropped) {
    WarningGate gate;
    std::vector<int> shown;
    bool nestedShown = true;
    EXPECT_TRUE(gate.Show([&] {
        shown.push_back(1);
        // The monitor's timer runs inside the dialog's loop and warns again.
        nestedShown = gate.Show([&] { shown.push_back(2); });
    }));
    EXPECT_FALSE(nestedShown);
    EXPECT_FALSE(gate.Busy());
    EXPECT_TRUE(gate.Show([&] { shown.push_back(3); })) << "the next warning after closing is shown";
    EXPECT_EQ(shown, (std::vector<int>{1, 3}));
}

}  // namespace
}  // namespace pelmox
