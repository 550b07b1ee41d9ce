#include <gtest/gtest.h>

#include <algorithm>

#include "monitor_core.h"
#include "recording_bus.h"

namespace kalvor {
namespace {


// The bus comes first among the bases, so it exists before the core.
struct WithRecordingBus {
    RecordingBus bus;
};

struct Monitor : WithRecordingBus, MonitorCore {
    explicit Monitor(int variant) : MonitorCore(bus) {
        bus.registers[reg::kConfiguration] = kConfigStart;
        bus.registers[reg::kMiscellaneous] = 0x50;
        bus.registers[reg::kFanCounts] = (120 << 8) | 80;
        chip.variant = variant;
        chip.alarmMask = 0x7F;
        chip.SeedSearch();
    }

    // What one tick did, judged by its register traffic.
    std::string TickKind() {
        bus.log.clear();
        schedule.Tick();
        const auto& log = bus.log;
        auto has = [&](const std::string& entry) { return std::find(log.begin(), log.end(), entry) != log.end(); };
        auto clears = std::count(log.begin(), log.end(), "R 3,1");
        if (has("R 4,1")) return "full";
        if (has("W 17=7,1")) return "mask7";
        if (has("W 17=" + std::to_string(chip.alarmMask) + ",1")) return "maskA";
        if (clears == 4) return "search";
        if (clears == 2) return "last";
        return "idle";
    }
};

std::vector<std::string> Cycle(int interval) {
    std::vector<std::string> kinds{"full", "mask7"};
    for (int i = 0; i < interval - 2; ++i) kinds.insert(kinds.end(), {"search", "mask7"});
    kinds.insert(kinds.end(), {"last", "maskA"});
    return kinds;
}

class ScheduleTest : public testing::TestWithParam<int> {};

TEST_P(ScheduleTest, TwoFullCyclesOnVariant0) {
    Monitor m(0);
    m.dialog.readings.lastFan1Rpm = m.dialog.readings.lastFan2Rpm = 1;
    m.dialog.settings.pollingInt = GetParam();
    m.schedule.pollingEnabled = true;
    int interval = IntervalValue(GetParam());
    std::vector<std::string> expected = Cycle(interval);
    std::vector<std::string> second = Cycle(interval);
    expected.insert(expected.end(), second.begin(), second.end());
    std::vector<std::string> kinds;
    for (std::size_t i = 0; i < expected.size(); ++i) kinds.push_back(m.TickKind());
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(m.ui.timerStops, m.ui.timerStarts);
}

INSTANTIATE_TEST_SUITE_P(Intervals, ScheduleTest, testing::Values(0, 1, 2, 3));

TEST(ScheduleTest, IntervalValues) {
    EXPECT_EQ(IntervalValue(0), 2);
    EXPECT_EQ(IntervalValue(1), 6);
    EXPECT_EQ(IntervalValue(2), 20);
    EXPECT_EQ(IntervalValue(3), 60);
}

TEST(ScheduleTest, AChangedIntervalTakesEffectAtTheNextSearchStep) {
    Monitor m(1);
    m.dialog.settings.pollingInt = 1;  // 6
    m.schedule.pollingEnabled = true;
    for (int i = 0; i < 3; ++i) m.schedule.Tick();  // full, phase 1, a search step
    m.dialog.settings.pollingInt = 3;            // 60
    m.schedule.Tick();                           // phase 1
    m.schedule.Tick();                           // the next search step restarts the countdown
    EXPECT_EQ(m.schedule.lastInterval, 60);
    EXPECT_EQ(m.schedule.countdown, 60);
}

TEST(ScheduleTest, OtherProcessOnTheBusEndsTheProgramWithoutChipWork) {
    Monitor m(0);
    m.schedule.pollingEnabled = true;
    m.bus.otherUser = true;
    m.bus.log.clear();
    m.schedule.Tick();
    EXPECT_EQ(m.ui.events, (std::vector<std::string>{"in use", "end"}));
    EXPECT_TRUE(m.bus.log.empty());
}

TEST(ScheduleTest, DisabledPollingStillRewritesTheVariant2Register) {
    Monitor m(2);
    m.bus.log.clear();
    m.schedule.Tick();
    EXPECT_EQ(m.bus.log, (std::vector<std::string>{"W 31=128,1"}));
    EXPECT_EQ(m.ui.timerStarts, 1);
}

TEST(AlarmTest, WarningLinesFillFromTheTopInBitOrder) {
    WarningLines lines = WarningLinesFor(0x61);
    EXPECT_EQ(lines[0], "5V Voltage Abnormal !");
    EXPECT_EQ(lines[1], "CPU Fan Speed Abnormal !");
    EXPECT_EQ(lines[2], "System Fan Speed Abnormal !");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(AlarmOutputFor(0x61), 0x60);
    EXPECT_EQ(AlarmOutputFor(0x1F), 0x10);
    EXPECT_EQ(AlarmOutputFor(0x02), 0x0F);
}

TEST(AlarmTest, TheAlarmOutputIsSetWhileTheListIsUp) {
    Monitor m(1);
    m.dialog.readings.lastFan1Rpm = m.dialog.readings.lastFan2Rpm = 3000;
    std::uint16_t outputWhileUp = 0;
    m.ui.whileWarningShows = [&] { outputWhileUp = m.bus.registers[reg::kAlarmOutput]; };
    m.alarms.EvaluateAlarms(1 << kTemp);
    EXPECT_EQ(outputWhileUp, 0x10);
    EXPECT_EQ(m.bus.registers[reg::kAlarmOutput], 0);
    EXPECT_EQ(m.ui.lines[0], "CPU Temperature Abnormal !");
}

TEST(AlarmTest, ZeroFanSpeedsRaiseTheirAlarmsAndTheMaskFilters) {
    Monitor m(1);
    m.chip.alarmMask = 1 << kFan2;
    m.dialog.readings.lastFan1Rpm = 0;  // fan 1 is masked out
    m.dialog.readings.lastFan2Rpm = 0;  // never read: fan 2 disabled
    m.alarms.EvaluateAlarms(0);
    EXPECT_EQ(m.ui.lines[0], "System Fan Speed Abnormal !");
    EXPECT_EQ(m.ui.lines[1], "");
}

TEST(AlarmTest, TheTrayIconChangesOnlyWhenTheStateSwitches) {
    Monitor m(1);
    m.dialog.readings.lastFan1Rpm = m.dialog.readings.lastFan2Rpm = 3000;
    m.alarms.EvaluateAlarms(1 << kVdd);
    m.alarms.EvaluateAlarms(1 << kVin1);
    m.alarms.EvaluateAlarms(0);
    m.alarms.EvaluateAlarms(0);
    std::vector<std::string> tray;
    for (const auto& e : m.ui.events)
        if (e.rfind("tray", 0) == 0) tray.push_back(e);
    EXPECT_EQ(tray, (std::vector<std::string>{"tray alarm", "tray normal"}));
    EXPECT_EQ(m.ui.readingsShown, 4);
}

TEST(AlarmTest, NoSecondListWhileOneIsUp) {
    Monitor m(1);
    m.dialog.readings.lastFan1Rpm = m.dialog.readings.lastFan2Rpm = 3000;
    m.ui.whileWarningShows = [&] { m.alarms.ShowWarnings(1); };
    m.alarms.ShowWarnings(1);
    EXPECT_EQ(std::count(m.ui.events.begin(), m.ui.events.end(), "warnings"), 1);
}

struct Startup : WithRecordingBus, MonitorCore {
    explicit Startup(std::uint16_t variantReadback) : MonitorCore(bus) {
        bus.registers[reg::kIdentifier] = kChipIdentifier;
        bus.onRead = [this, variantReadback](int r) -> std::uint16_t {
            if (r == reg::kVariant) return variantReadback;
            return bus.registers[r];
        };
    }
};

TEST(StartupTest, SequenceRunsOnceAndStartsPolling) {
    Startup s(0);
    s.alarms.trayAlarmShown = true;
    s.startup.RunStartupSequence();
    s.startup.RunStartupSequence();
    EXPECT_TRUE(s.schedule.pollingEnabled);
    EXPECT_EQ(s.ui.timerStarts, 1) << "one timer, however often the start message comes";
    EXPECT_FALSE(s.alarms.trayAlarmShown);
    EXPECT_TRUE(s.app.FirstLoadDone());
    EXPECT_EQ(s.bus.registers[reg::kMask], s.chip.alarmMask) << "variant 0 loads the mask";
}

TEST(StartupTest, Variant2SetsTheStartBitAfterTheSettings) {
    Startup s(0x80);
    s.startup.RunStartupSequence();
    EXPECT_EQ(s.chip.variant, 2);
    EXPECT_TRUE(s.bus.registers[reg::kConfiguration] & kConfigStart);
}

TEST(StartupTest, ClaimingTheBus) {
    Startup s(0);
    EXPECT_EQ(s.startup.ClaimBus(), BusClaim::Claimed);
    EXPECT_TRUE(s.ui.events.empty());
}

TEST(StartupTest, ExitStopsTheChipAndReleasesTheBus) {
    Startup s(0);
    s.startup.ExitInstance();
    EXPECT_EQ(s.bus.log, (std::vector<std::string>{"W 16=0,1", "W 17=0,1", "W 3=0,1", "DeRegUsing"}));
}

}  // namespace
}  // namespace kalvor
