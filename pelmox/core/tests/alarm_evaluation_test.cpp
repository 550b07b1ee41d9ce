// The alarm evaluation over scripted values: the one-time fault check,
// the schedule of limit checks, their order and texts, and the sound.
#include "pelmox/core/alarm_evaluation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "storage_parts.h"

namespace pelmox {
namespace {

struct Warning {
    std::string text;
    int kind;
    bool operator==(const Warning& o) const { return text == o.text && kind == o.kind; }
};

class RecordingHost final : public AlarmHost {
public:
    std::uint32_t AlarmChecks() override { return checks; }
    bool PlaySoundFile(const char* name) override {
        sounds.push_back(name);
        return soundPlays;
    }
    void EnqueueTone(int hertz, int milliseconds) override { tones.push_back({hertz, milliseconds}); }
    void ShowWarning(const std::string& text, int kind) override {
        warnings.push_back({text, kind});
        if (whileShown) whileShown();
    }

    std::uint32_t checks = 0xFF;
    bool soundPlays = true;
    std::vector<std::string> sounds;
    std::vector<std::pair<int, int>> tones;
    std::vector<Warning> warnings;
    std::function<void()> whileShown;
};

struct Evaluation : testing::Test {
    void Run(int calls) {
        for (int i = 0; i < calls; ++i) evaluator.EvaluateAlarms({limits, enable, sound});
    }

    FakeChipset chipset;
    UnexpectedMessages reporter;
    CChipsetDriver driver{&chipset, reporter};
    RecordingHost host;
    CAlarmEvaluator evaluator{driver, host};
    WatchDogLimit limits = DefaultLimits();
    std::uint32_t enable = 0xFF;
    std::int32_t sound = 1;
};

TEST_F(Evaluation, TheFaultCheckRunsOnceAndReportsInOrder) {
    chipset.values.fan2 = 0;
    chipset.values.supply5V = 0;
    chipset.values.cpuVoltage = -0.0f;
    host.checks = 0;  // no limit check findings
    Run(25);
    EXPECT_EQ(host.warnings, (std::vector<Warning>{{"ERROR: Fan2 stop working", 5},
                                                   {"ERROR: Voltage(2) Lose Its Voltage Level", 5},
                                                   {"ERROR: Voltage(4) Lose Its Voltage Level", 5}}));
}

TEST_F(Evaluation, BothFansStoppedGiveTheNoFanTextOnly) {
    chipset.values.cpuFan = 0;
    chipset.values.fan2 = 0;
    host.checks = 0;
    Run(1);
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0].text,
              "Damage:    No Fan Found!\n\n   This computer is not safe!\n   Please check Fan now.");
}

TEST_F(Evaluation, UnreadableTemperaturesNeedAZeroLimitToo) {
    chipset.values.chipsetTemperature = 0;
    chipset.values.cpuTemperature = 0;
    limits.cpuTemperatureHigh = 0;
    enable = 0xFF & ~static_cast<std::uint32_t>(ITEM_FAN2);
    Run(1);
    EXPECT_EQ(host.warnings, (std::vector<Warning>{{"ERROR: Can't Read CPU Temperature ", 5}}))
        << "the chipset's limit is 70";
    limits.chipsetTemperatureHigh = 0;
    CAlarmEvaluator fresh(driver, host);
    host.warnings.clear();
    fresh.EvaluateAlarms({limits, enable, sound});
    EXPECT_EQ(host.warnings.front().text, "ERROR : Can't Read Chipset Temperature  ");
}

TEST_F(Evaluation, LimitChecksComeAtTheThirdCallAndEveryTenthAfter) {
    chipset.values.supply12V = 13.0f;
    std::vector<int> at;
    for (int call = 1; call <= 33; ++call) {
        std::size_t before = host.warnings.size();
        Run(1);
        if (host.warnings.size() > before) at.push_back(call);
    }
    EXPECT_EQ(at, (std::vector<int>{3, 13, 23, 33}));
    EXPECT_EQ(host.warnings[0], (Warning{"Warning: Voltage(1)  is too high !\n\nSuggestion: Check the power !", 3}));
}

TEST_F(Evaluation, EveryFindingIsReportedInTheTablesOrder) {
    chipset.values.cpuFan = 2000;
    chipset.values.cpuTemperature = 90;
    chipset.values.supply5V = 5.5f;
    chipset.values.ioSupply = 3.0f;
    Run(3);
    EXPECT_EQ(host.warnings,
              (std::vector<Warning>{
                  {"Damage: CPU Fan speed is too low !\n\nSuggestion: Check your Fan now!", 1},
                  {"Warning: CPU Temperature is too high !\n\nSuggestion: Shutdown now !", 2},
                  {"Warning: Voltage(2)  is too high !\n\nSuggestion: Check the power !", 3},
                  {"Warning: Voltage(3)  is too low !\n\nSuggestion: Check the power !", 3},
              }));
}

TEST_F(Evaluation, HiddenOrUncheckedItemsAreNotReported) {
    chipset.values.cpuFan = 2000;
    chipset.values.supply5V = 5.5f;
    host.checks = 0xFF & ~static_cast<std::uint32_t>(ITEM_CPU_FAN);
    enable = 0xFF & ~static_cast<std::uint32_t>(ITEM_5V);
    Run(3);
    EXPECT_TRUE(host.warnings.empty());
}

TEST_F(Evaluation, NoLimitCheckBehindAnOpenWarning) {
    chipset.values.supply12V = 13.0f;
    int nested = 0;
    host.whileShown = [&] {
        if (nested++ > 0) return;
        // The view's timer goes on inside the dialog: thirty more calls.
        for (int i = 0; i < 30; ++i) evaluator.EvaluateAlarms({limits, enable, sound});
    };
    Run(3);
    EXPECT_EQ(host.warnings.size(), 1u) << "nothing behind the open warning";
    Run(9);
    EXPECT_EQ(host.warnings.size(), 1u);
    Run(1);
    EXPECT_EQ(host.warnings.size(), 2u) << "the first due check after it was closed";
}

TEST_F(Evaluation, TheSoundOrTheSiren) {
    chipset.values.supply12V = 13.0f;
    Run(3);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"warn.wav"}));
    EXPECT_TRUE(host.tones.empty());

    host.soundPlays = false;
    evaluator.PlayAlarmSound(1);
    EXPECT_EQ(host.tones,
              (std::vector<std::pair<int, int>>{{400, 600}, {800, 400}, {400, 500}, {800, 400}, {400, 500}, {800, 400}}));

    host.sounds.clear();
    host.tones.clear();
    for (std::int32_t off : {0, 2, -1}) evaluator.PlayAlarmSound(off);
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_TRUE(host.tones.empty());
}

}  // namespace
}  // namespace pelmox
