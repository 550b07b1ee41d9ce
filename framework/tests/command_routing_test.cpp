// Command routing: the first target with a handler answers a command;
// a menu item is greyed when nobody answers its id or its update handler
// disables it, and carries the check mark its update handler sets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/command_target.h"

namespace fw {
namespace {

constexpr unsigned kBoth = 100;       // answered by the view and the frame
constexpr unsigned kFrameOnly = 101;  // answered by the frame alone
constexpr unsigned kDisabled = 102;   // the view's, disabled by its update
constexpr unsigned kChecked = 103;    // the view's, checked by its update
constexpr unsigned kStateOnly = 104;  // the view gives a state, the frame runs it
constexpr unsigned kFirstShow = 110;  // a range of the frame's
constexpr unsigned kLastShow = 117;
constexpr unsigned kNobody = 120;

std::vector<std::string> ran;

class View : public CCmdTarget {
public:
    bool OnCmdMsg(unsigned id, CCmdUI* state) override {
        static const CommandEntry<View> kCommands[] = {
            Command(kBoth, &View::OnBoth),
            Command(kDisabled, &View::OnBoth, &View::OnUpdateDisabled),
            Command(kChecked, &View::OnBoth, &View::OnUpdateChecked),
            CommandUpdate(kStateOnly, &View::OnUpdateChecked),
        };
        return RouteCommand(*this, kCommands, id, state);
    }

private:
    void OnBoth() { ran.push_back("view"); }
    void OnUpdateDisabled(CCmdUI& state) { state.Enable(false); }
    void OnUpdateChecked(CCmdUI& state) { state.SetCheck(true); }
};

class Frame : public CCmdTarget {
public:
    bool OnCmdMsg(unsigned id, CCmdUI* state) override {
        static const CommandEntry<Frame> kCommands[] = {
            Command(kBoth, &Frame::OnFrame),
            Command(kFrameOnly, &Frame::OnFrame),
            Command(kStateOnly, &Frame::OnFrame),
            CommandRange(kFirstShow, kLastShow, &Frame::OnShow),
        };
        return RouteCommand(*this, kCommands, id, state);
    }

private:
    void OnFrame() { ran.push_back("frame"); }
    void OnShow(unsigned id) { ran.push_back("show " + std::to_string(id - kFirstShow)); }
};

class CommandRoutingTest : public testing::Test {
protected:
    void SetUp() override { ran.clear(); }

    bool Run(unsigned id) { return RouteThrough({&view_, nullptr, &frame_}, id, nullptr); }
    MenuItemState StateOf(unsigned id) {
        return MenuItemStateOf(id, [this](unsigned item, CCmdUI* state) {
            return RouteThrough({&view_, nullptr, &frame_}, item, state);
        });
    }

    View view_;
    Frame frame_;
};

TEST_F(CommandRoutingTest, TheFirstTargetWithAHandlerRunsTheCommand) {
    struct Case {
        unsigned id;
        bool answered;
        std::vector<std::string> ran;
    } cases[] = {
        {kBoth, true, {"view"}},
        {kFrameOnly, true, {"frame"}},
        {kStateOnly, true, {"frame"}},  // an update entry alone runs nothing
        {kFirstShow + 3, true, {"show 3"}},
        {kLastShow + 1, false, {}},
        {kNobody, false, {}},
    };
    for (const Case& c : cases) {
        ran.clear();
        EXPECT_EQ(Run(c.id), c.answered) << c.id;
        EXPECT_EQ(ran, c.ran) << c.id;
    }
}

TEST_F(CommandRoutingTest, AMenuItemShowsWhatItsTargetsAnswer) {
    struct Case {
        unsigned id;
        bool enabled;
        std::optional<bool> checked;
    } cases[] = {
        {kBoth, true, std::nullopt},
        {kFrameOnly, true, std::nullopt},
        {kDisabled, false, std::nullopt},
        {kChecked, true, true},
        {kStateOnly, true, true},
        {kFirstShow, true, std::nullopt},
        {kNobody, false, std::nullopt},  // nobody answers: greyed
    };
    for (const Case& c : cases) {
        MenuItemState state = StateOf(c.id);
        EXPECT_EQ(state.enabled, c.enabled) << c.id;
        EXPECT_EQ(state.checked, c.checked) << c.id;
    }
    EXPECT_TRUE(ran.empty()) << "asking for a state ran a command";
}

}  // namespace
}  // namespace fw
