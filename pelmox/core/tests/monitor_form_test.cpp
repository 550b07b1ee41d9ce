#include "pelmox/core/monitor_form.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "storage_parts.h"
#include "fake_form.h"
#include "pelmox/core/limit_sliders.h"

namespace pelmox {
namespace {

constexpr int kUpper = 1011, kLower = 1012, kUpperSlide = 1033, kLowerSlide = 1035;

class SilentHost final : public AlarmHost {
public:
    std::uint32_t AlarmChecks() override { return 0; }
    bool PlaySoundFile(const char*) override { return true; }
    void EnqueueTone(int, int) override {}
    void ShowWarning(const std::string& text, int) override { warnings.push_back(text); }
    std::vector<std::string> warnings;
};

struct MonitorFormTest : testing::Test, StorageParts {
    MonitorFormTest() { registry.exists = true; }

    // The first paint, and the requests and saves from then on only.
    void FirstPaint() {
        form.UpdateDisplay();
        chipset.requests.clear();
        registry.written.clear();
    }

    void Select(int listIndex) {
        view.selection = listIndex;
        form.OnListSelection();
    }

    int SetRequests() const {
        return static_cast<int>(std::count_if(chipset.requests.begin(), chipset.requests.end(),
                                              [](const Request& r) { return r.code == PELMOX_SET_LIMITS; }));
    }

    class : public PictureDisplay {
        void ShowBitmap(int, int) override {}
    } display;
    CStatusPictures pictures{display};
    SilentHost host;
    CAlarmEvaluator evaluator{driver, host};
    FakeForm view;
    int toneTicks = 0;
    CMonitorForm form{{settings, driver, storage, pictures, evaluator, view, [this] { ++toneTicks; }}};
};

TEST_F(MonitorFormTest, TheFirstPaintFillsTheListAndSelectsTheCpuFan) {
    settings.checkItem = 0x05;
    form.UpdateDisplay();
    ASSERT_EQ(view.list.size(), 8u);
    EXPECT_EQ(view.list[0], "CPU Fan Speed");
    EXPECT_EQ(view.list[7], "CPU Voltage");
    EXPECT_EQ(view.selection, 0);
    EXPECT_EQ(view.texts[kLower], "3000 rpm");
    EXPECT_EQ(view.texts[kUpper], "");
    EXPECT_EQ(view.ranges[kUpperSlide], std::make_pair(0, 49));
    EXPECT_EQ(view.sliders[kUpperSlide], 0) << "a fan has no upper limit";
    EXPECT_EQ(view.sliders[kLowerSlide], FanPositionFromLimit(3000));
    EXPECT_TRUE(view.checks[1023]);
    EXPECT_FALSE(view.checks[1024]);
    EXPECT_TRUE(view.checks[1022]);
    EXPECT_NE(view.texts[1036].find("4500"), std::string::npos);

    // Later paints leave the list alone.
    form.UpdateDisplay();
    EXPECT_EQ(view.list.size(), 8u);
}

TEST_F(MonitorFormTest, ATemperatureShowsItsUpperLimitInTheUnitChosen) {
    FirstPaint();
    Select(2);
    EXPECT_EQ(view.texts[kUpper], "70.00 C");
    EXPECT_EQ(view.texts[kLower], "");
    EXPECT_EQ(view.sliders[kUpperSlide], TemperaturePositionFromLimit(70));
    EXPECT_EQ(view.sliders[kLowerSlide], 0);

    form.OnTempUnit();
    EXPECT_EQ(settings.tempUnit, 1);
    EXPECT_EQ(view.texts[kUpper], "158.0 F");
    EXPECT_TRUE(form.TempUnitChecked());
    EXPECT_FALSE(registry.written.empty()) << "the unit is saved";
}

TEST_F(MonitorFormTest, CrossedSupplySlidersSnapBackAndSendNothing) {
    FirstPaint();
    Select(4);
    int upper = view.sliders[kUpperSlide];
    int lower = view.sliders[kLowerSlide];
    WatchDogLimit before = chipset.limits;
    chipset.requests.clear();
    registry.written.clear();

    view.sliders[kLowerSlide] = upper + 3;
    form.OnSlider();
    EXPECT_EQ(view.sliders[kUpperSlide], upper);
    EXPECT_EQ(view.sliders[kLowerSlide], lower);
    EXPECT_TRUE(chipset.requests.empty());
    EXPECT_TRUE(registry.written.empty());
    EXPECT_EQ(chipset.limits.supply12VLow, before.supply12VLow);
}

TEST_F(MonitorFormTest, ADragSendsTheSelectedItemsLimitsOncePerNotification) {
    FirstPaint();
    // The upper slider moved while the CPU fan is selected: the fan's limit
    // comes from the lower slider, and the upper one goes back to 0.
    view.sliders[kLowerSlide] = 10;
    view.sliders[kUpperSlide] = 30;
    form.OnSlider();
    EXPECT_EQ(SetRequests(), 1);
    EXPECT_EQ(chipset.limits.cpuFanLow, FanLimitFromPosition(10));
    EXPECT_EQ(view.sliders[kUpperSlide], 0);
    EXPECT_EQ(view.texts[kLower], "2120 rpm");
    EXPECT_FALSE(registry.written.empty());

    // A supply: both limits, one request.
    Select(5);
    view.sliders[kLowerSlide] = 5;
    view.sliders[kUpperSlide] = 40;
    form.OnSlider();
    form.OnSlider();
    EXPECT_EQ(SetRequests(), 3);
    EXPECT_EQ(chipset.limits.supply5VLow, LowerLimitFromPosition(kSensorItems[5], 5));
    EXPECT_EQ(chipset.limits.supply5VHigh, UpperLimitFromPosition(kSensorItems[5], 40));
}

TEST_F(MonitorFormTest, AlarmBoxesArmAndDisarmButAHiddenItemsBoxStaysUnchecked) {
    FirstPaint();
    settings.enableItem = 0xFF & ~0x02u;
    view.checks[1024] = true;
    form.OnAlarmBox(1024);
    EXPECT_FALSE(view.checks[1024]);
    EXPECT_TRUE(chipset.requests.empty()) << "nothing for a hidden item";

    view.checks[1018] = true;
    form.OnAlarmBox(1018);
    EXPECT_EQ(view.selection, 4);
    EXPECT_TRUE(settings.checkItem & 0x10);
    EXPECT_FALSE(settings.nmi45 & 0x10);
    EXPECT_NE(std::find(chipset.requests.begin(), chipset.requests.end(), Request{PELMOX_WAKE_UP, 0x10}),
              chipset.requests.end());

    view.checks[1018] = false;
    form.OnAlarmBox(1018);
    EXPECT_FALSE(settings.checkItem & 0x10);
    EXPECT_TRUE(settings.nmi45 & 0x10);
    EXPECT_NE(std::find(chipset.requests.begin(), chipset.requests.end(), Request{PELMOX_SHUTDOWN, 0x10}),
              chipset.requests.end());
    EXPECT_EQ(form.GetAlarmChecks() & 0x10, 0u);
}

TEST_F(MonitorFormTest, VisibeHidesAnItemWithItsAlarmAndShowsItAgainWithout) {
    FirstPaint();
    settings.checkItem = 0xFF;
    view.checks[1047] = true;
    form.OnShowItem(32782);
    EXPECT_FALSE(settings.enableItem & 0x08);
    EXPECT_FALSE(settings.checkItem & 0x08);
    EXPECT_FALSE(view.checks[1047]);
    EXPECT_EQ(form.ShowItemState(32782).checked, false);
    form.UpdateDisplay();
    EXPECT_EQ(view.texts[1048], "");
    EXPECT_EQ(form.ColourOf(1048), ColourValueHidden);
    EXPECT_EQ(form.ColourOf(1047), ColourBoxHidden);

    form.OnShowItem(32782);
    EXPECT_TRUE(settings.enableItem & 0x08);
    EXPECT_FALSE(view.checks[1047]);
    EXPECT_TRUE(chipset.requests.end() ==
                std::find_if(chipset.requests.begin(), chipset.requests.end(),
                             [](const Request& r) { return r.code == PELMOX_WAKE_UP || r.code == PELMOX_SHUTDOWN; }));

    settings.vendorUnavailable = 0x40;
    EXPECT_FALSE(form.ShowItemState(32785).enabled);
    EXPECT_TRUE(form.ShowItemState(32784).enabled);
}

TEST_F(MonitorFormTest, TheDisplayAndTheEvaluationRunEveryFifteenthTick) {
    for (int tick = 0; tick < 31; ++tick) form.OnTimerTick();
    EXPECT_EQ(toneTicks, 31);
    EXPECT_EQ(view.invalidations, 3) << "ticks 0, 15 and 30";
    EXPECT_EQ(form.TickCounter(), 1);
}

TEST_F(MonitorFormTest, ColoursFollowTheItemStatesAndVisibility) {
    chipset.values.cpuFan = 1000;  // below its 3000 rpm limit
    FirstPaint();
    EXPECT_EQ(form.ColourOf(1036), ColourValueAlarm);
    EXPECT_EQ(form.ColourOf(1037), ColourValueNormal);
    EXPECT_EQ(form.ColourOf(1023), ColourBoxVisible);
    EXPECT_EQ(form.ColourOf(1030), ColourDefault);
    EXPECT_EQ(ColoursOf(ColourValueNormal).text, 0xFF0000u);
    EXPECT_EQ(ColoursOf(ColourValueAlarm).text, 0x0000FFu);
    EXPECT_EQ(ColoursOf(ColourValueHidden).text, 0x008080u);
    EXPECT_EQ(ColoursOf(ColourBoxHidden).text, 0x808080u);
    EXPECT_FALSE(ColoursOf(ColourDefault).greyBackground);
    EXPECT_EQ(ColoursOf(ColourDefault).text, 0xFFFFFFu);
}

TEST(TooltipTextTest, EachControlGroupHasItsText) {
    EXPECT_STREQ(TooltipText(1011), "Current Alarm Limitation");
    EXPECT_STREQ(TooltipText(1020), "Enable Voltage Alarm");
    EXPECT_STREQ(TooltipText(1047), "Enable Temperature Alarm");
    EXPECT_STREQ(TooltipText(1024), "Enable Fan Alarm");
    EXPECT_STREQ(TooltipText(1030), "Alarm Limitation Data");
    EXPECT_STREQ(TooltipText(1035), "Setup Alarm Limitation");
    EXPECT_EQ(TooltipText(1036), nullptr);
}

TEST_F(MonitorFormTest, ASelectionThatIsNotOneItemIsRefused) {
    FirstPaint();
    std::string lower = view.texts[kLower];
    form.SelectItem(0x03);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "No dog|show|16");
    EXPECT_EQ(view.texts[kLower], lower);
}

TEST_F(MonitorFormTest, SoundTogglesAndIsSaved) {
    EXPECT_TRUE(form.SoundChecked());
    form.OnSound();
    EXPECT_EQ(settings.soundEnable, 0);
    EXPECT_FALSE(registry.written.empty());
    form.OnSound();
    EXPECT_EQ(settings.soundEnable, 1);
}

}  // namespace
}  // namespace pelmox
