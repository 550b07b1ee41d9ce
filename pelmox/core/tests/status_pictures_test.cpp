// The status pictures: group states from values and limits, each state's
// animation, phases kept across state changes, the unit marks.
#include "pelmox/core/status_pictures.h"

#include <gtest/gtest.h>

#include <vector>

#include "storage_parts.h"

namespace pelmox {
namespace {

constexpr std::uint32_t kAll = 0xFF;

SensorValues Healthy() { return {4500, 4000, 40, 45, 12.1f, 5.0f, 3.3f, 2.0f}; }

TEST(GroupStatesTest, TheStrongestFindingOfEachGroupWins) {
    const WatchDogLimit limits = DefaultLimits();
    struct Case {
        const char* what;
        SensorValues values;
        std::uint32_t enable;
        GroupStates states;
    };
    SensorValues slowFan = Healthy();
    slowFan.cpuFan = 2000;
    SensorValues slowAndStopped = slowFan;
    slowAndStopped.fan2 = 0;
    SensorValues hot = Healthy();
    hot.cpuTemperature = 90;
    SensorValues chipsetZero = Healthy();
    chipsetZero.chipsetTemperature = 0;
    SensorValues sagging = Healthy();
    sagging.supply5V = 4.5f;
    SensorValues lostCore = sagging;
    lostCore.cpuVoltage = -0.0f;
    const Case cases[] = {
        {"healthy", Healthy(), kAll, {GroupNormal, GroupNormal, GroupNormal}},
        {"a slow fan", slowFan, kAll, {GroupAlarm, GroupNormal, GroupNormal}},
        {"fault beats alarm", slowAndStopped, kAll, {GroupFault, GroupNormal, GroupNormal}},
        {"a hidden stopped fan counts for nothing", slowAndStopped, kAll & ~static_cast<std::uint32_t>(ITEM_FAN2),
         {GroupAlarm, GroupNormal, GroupNormal}},
        {"both fans hidden", slowAndStopped, 0xFC, {GroupOff, GroupNormal, GroupNormal}},
        {"too hot", hot, kAll, {GroupNormal, GroupAlarm, GroupNormal}},
        {"zero against a limit of 70 is normal", chipsetZero, kAll, {GroupNormal, GroupNormal, GroupNormal}},
        {"a supply out of range", sagging, kAll, {GroupNormal, GroupNormal, GroupAlarm}},
        {"a lost supply is a fault", lostCore, kAll, {GroupNormal, GroupNormal, GroupFault}},
        {"no supply visible", lostCore, 0x0F, {GroupNormal, GroupNormal, GroupOff}},
    };
    for (const Case& c : cases) {
        GroupStates got = FormGroupStates(c.values, limits, c.enable);
        EXPECT_EQ(got.fans, c.states.fans) << c.what;
        EXPECT_EQ(got.temperatures, c.states.temperatures) << c.what;
        EXPECT_EQ(got.voltages, c.states.voltages) << c.what;
    }
    WatchDogLimit zeroLimit = limits;
    zeroLimit.chipsetTemperatureHigh = 0;
    EXPECT_EQ(FormGroupStates(chipsetZero, zeroLimit, kAll).temperatures, GroupFault)
        << "value and limit both zero: no sensor";
}

struct Shown {
    int control, bitmap;
    bool operator==(const Shown& o) const { return control == o.control && bitmap == o.bitmap; }
};

class RecordingDisplay final : public PictureDisplay {
public:
    void ShowBitmap(int control, int bitmap) override { shown.push_back({control, bitmap}); }
    // The bitmaps shown on one control, in order.
    std::vector<int> On(int control) const {
        std::vector<int> bitmaps;
        for (const Shown& s : shown)
            if (s.control == control) bitmaps.push_back(s.bitmap);
        return bitmaps;
    }
    std::vector<Shown> shown;
};

struct Pictures : testing::Test {
    void Ticks(int count, std::uint32_t enable = kAll, std::int32_t unit = 0) {
        for (int i = 0; i < count; ++i) pictures.UpdateStatusPictures(driver, limits, enable, unit);
    }

    FakeChipset chipset;
    UnexpectedMessages reporter;
    CChipsetDriver driver{&chipset, reporter};
    WatchDogLimit limits = DefaultLimits();
    RecordingDisplay display;
    CStatusPictures pictures{display};
};

TEST_F(Pictures, NormalGroupsAnimate) {
    Ticks(12);
    EXPECT_EQ(display.On(kFanPicture), (std::vector<int>{132, 152, 153, 154, 132, 152, 153, 154, 132, 152, 153, 154}))
        << "the fan turns every tick";
    EXPECT_EQ(display.On(kTemperaturePicture), (std::vector<int>{131, 156, 156, 131, 157, 131}));
    EXPECT_EQ(display.On(kVoltagePicture), (std::vector<int>{130, 159, 160, 130, 159, 160}));
    EXPECT_EQ(display.On(kUnitMark1), std::vector<int>(12, 142));
    EXPECT_EQ(display.On(kUnitMark2), std::vector<int>(12, 142));
    EXPECT_EQ(chipset.requests.size(), 12u) << "one value read a call";
}

TEST_F(Pictures, FaultAnimationAndTheGreyTile) {
    chipset.values.cpuFan = 0;
    Ticks(8);
    EXPECT_EQ(display.On(kFanPicture), (std::vector<int>{181, 185, 182, 185}));
    display.shown.clear();
    Ticks(3, 0xFC);
    EXPECT_EQ(display.On(kFanPicture), (std::vector<int>{155, 155, 155})) << "both fans hidden";
}

TEST_F(Pictures, AGroupBackInAStateResumesItsAnimation) {
    chipset.values.cpuFan = 2000;  // alarm
    Ticks(3);                      // 148, -, 168
    EXPECT_EQ(pictures.Phase(0, GroupAlarm), 4);
    chipset.values.cpuFan = 4500;  // normal for a while
    Ticks(2);
    chipset.values.cpuFan = 2000;
    display.shown.clear();
    Ticks(2);
    EXPECT_EQ(display.On(kFanPicture), (std::vector<int>{167})) << "phase 4 moves on, phase 5 shows 167";
}

TEST_F(Pictures, FahrenheitShowsItsMarkOnBoth) {
    Ticks(1, kAll, 1);
    EXPECT_EQ(display.On(kUnitMark1), (std::vector<int>{193}));
    EXPECT_EQ(display.On(kUnitMark2), (std::vector<int>{193}));
}

}  // namespace
}  // namespace pelmox
