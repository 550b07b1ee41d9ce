// CMonitorChip against the simulated chip: detection of every board kind,
// and the supply search converging on the true supplies.
#include <gtest/gtest.h>

#include <cmath>

#include "boardsim/smbus/chip_model.h"
#include "kalvor/monitor_chip.h"
#include "model_bus.h"

namespace kalvor {
namespace {


class NoHost final : public ChipHost {
public:
    void ShowDriverError() override { ADD_FAILURE() << "the model identifies itself"; }
    void ResetTrayAlarm() override {}
};

constexpr float kTwelveVoltRatio = 4.8f;

struct Board {
    explicit Board(boardsim::ChipBoard chipBoard) : model(chipBoard), bus(model), chip(bus, bus, settings) {
        chip.v2Ratio = kTwelveVoltRatio;
        NoHost host;
        chip.Initialize(host);
        // The start-up sequence starts the chip once the settings are in.
        model.Write(3, static_cast<std::uint16_t>(model.Read(3, 1) | 0x40), 1);
        chip.SeedSearch();
    }

    // One search step as the schedule runs it: windows in, the comparators
    // look (on variant 0 through the mask the schedule sets), then a step.
    void Step() {
        chip.WriteWindows();
        if (chip.variant == 0) model.Write(17, 0x07, 1);
        chip.UpdateWindows();
    }

    // A converged window is at most 0.2 V wide at the chip's pin, so an
    // estimate (its midpoint) lies within 0.1 V times the divider ratio of
    // the supply, plus a step of the limit codes.
    static bool Near(double estimate, double truth, double ratio) {
        return std::abs(estimate - truth) <= 0.1 * ratio + 0.05;
    }

    bool Converged(double vin1, double vin2, double vdd) const {
        return Near(chip.vin1Search.estimate, vin1, 1.0) && Near(chip.vin2Search.estimate, vin2, kTwelveVoltRatio) &&
               Near(chip.vddSearch.estimate, vdd, 1.0);
    }

    boardsim::ChipModel model;
    ModelBus bus;
    SettingValues settings;
    CMonitorChip chip;
};

boardsim::ChipBoard Kind(int variant, bool needsCorrection) {
    boardsim::ChipBoard board;
    board.variant = variant;
    board.needsCorrection = needsCorrection;
    board.v2Ratio = kTwelveVoltRatio;
    return board;
}

struct KindCase {
    int variant;
    bool needsCorrection;
    int temperatureCorrection;
    int voltageCorrection;
};

class DetectionOnModelTest : public testing::TestWithParam<KindCase> {};

TEST_P(DetectionOnModelTest, FindsTheVariantAndTheCorrections) {
    const KindCase& c = GetParam();
    Board board(Kind(c.variant, c.needsCorrection));
    EXPECT_EQ(board.chip.variant, c.variant);
    EXPECT_EQ(board.chip.temperatureCorrection, c.temperatureCorrection);
    EXPECT_EQ(board.chip.voltageCorrection, c.voltageCorrection);
    EXPECT_EQ(board.chip.ReadTemperature(), 40) << "the corrections cancel the board's offsets";
}

INSTANTIATE_TEST_SUITE_P(Boards, DetectionOnModelTest,
                         testing::Values(KindCase{0, false, 0, 0}, KindCase{0, true, 33, 28}, KindCase{1, false, 0, 0},
                                         KindCase{1, true, 26, 28}, KindCase{2, false, 0, 0}));

class SearchOnModelTest : public testing::TestWithParam<int> {};

TEST_P(SearchOnModelTest, ConvergesOnTheTrueSuppliesAndFollowsAChange) {
    Board board(Kind(GetParam(), false));
    boardsim::ChipInputs inputs;
    inputs.vin1 = 3.36;
    inputs.vin2 = 11.8;
    inputs.vdd = 5.1;
    board.model.SetInputs(inputs);
    int steps = 0;
    while (!board.Converged(3.36, 11.8, 5.1) && steps < 40) {
        board.Step();
        ++steps;
    }
    EXPECT_LT(steps, 40) << "estimates " << board.chip.vin1Search.estimate << " " << board.chip.vin2Search.estimate
                         << " " << board.chip.vddSearch.estimate;

    // The 3.3 V supply sags: the converged window no longer holds it and
    // the search starts again.
    inputs.vin1 = 3.05;
    board.model.SetInputs(inputs);
    steps = 0;
    while (!board.Converged(3.05, 11.8, 5.1) && steps < 60) {
        board.Step();
        ++steps;
    }
    EXPECT_LT(steps, 60) << "estimate " << board.chip.vin1Search.estimate;
}

INSTANTIATE_TEST_SUITE_P(Variants, SearchOnModelTest, testing::Values(0, 1, 2));

TEST(ChipOnModelTest, StoppedChipIsRestarted) {
    Board board(Kind(1, false));
    boardsim::ChipInputs inputs;
    inputs.stopped = true;
    board.model.SetInputs(inputs);
    EXPECT_EQ(board.model.Register(3) & 0x40, 0);
    board.chip.RestartIfStopped();
    EXPECT_EQ(board.model.Register(3) & 0x40, 0x40);
}

}  // namespace
}  // namespace kalvor

#include "monitor_core.h"

namespace kalvor {
namespace {


// The whole monitor core on the simulated chip: start-up, then ticks.
struct Monitor {
    explicit Monitor(int variant) : model(Kind(variant, false)), bus(model), core(bus) {
        core.startup.RunStartupSequence();
    }

    // Ticks until a warning list has been shown, at most `ticks`.
    WarningLines TicksUntilWarning(int ticks) {
        for (int i = 0; i < ticks && core.ui.events.empty(); ++i) core.schedule.Tick();
        return core.ui.lines;
    }

    boardsim::ChipModel model;
    ModelBus bus;
    MonitorCore core;
};

struct FaultCase {
    const char* name;
    void (*fault)(boardsim::ChipInputs&);
    const char* warning;
    std::uint16_t alarmOutput;
};

class AlarmsOnModelTest : public testing::TestWithParam<std::tuple<int, FaultCase>> {};

// A healthy board raises nothing; each fault raises its own warning from
// the chip's comparators against the user's limits.
TEST_P(AlarmsOnModelTest, FaultRaisesItsWarning) {
    auto [variant, c] = GetParam();
    Monitor m(variant);
    EXPECT_EQ(m.TicksUntilWarning(12)[0], "") << "healthy board";
    m.core.ui.events.clear();
    boardsim::ChipInputs inputs = m.model.Inputs();
    c.fault(inputs);
    m.model.SetInputs(inputs);
    std::uint16_t outputWhileUp = 0;
    m.core.ui.whileWarningShows = [&] { outputWhileUp = m.model.Register(16); };
    WarningLines lines = m.TicksUntilWarning(12);
    EXPECT_EQ(lines[0], c.warning);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(outputWhileUp, c.alarmOutput);
    EXPECT_EQ(m.model.Register(16), 0) << "cleared when the list closes";
}

const FaultCase kFaults[] = {
    {"FanStops", [](boardsim::ChipInputs& in) { in.fan1Rpm = 0; }, "CPU Fan Speed Abnormal !", 0x60},
    {"SystemFanSlow", [](boardsim::ChipInputs& in) { in.fan2Rpm = 2000; }, "System Fan Speed Abnormal !", 0x60},
    {"Overheating", [](boardsim::ChipInputs& in) { in.temperature = 75; }, "CPU Temperature Abnormal !", 0x10},
    {"SupplySags", [](boardsim::ChipInputs& in) { in.vin1 = 2.9; }, "3.3V Voltage Abnormal !", 0x0F},
    {"VCoreHigh", [](boardsim::ChipInputs& in) { in.vin3 = 2.4; }, "VCore Voltage Abnormal !", 0x0F},
    {"FiveVoltHigh", [](boardsim::ChipInputs& in) { in.vdd = 5.6; }, "5V Voltage Abnormal !", 0x0F},
};

INSTANTIATE_TEST_SUITE_P(
    Faults, AlarmsOnModelTest, testing::Combine(testing::Values(0, 1, 2), testing::ValuesIn(kFaults)),
    [](const testing::TestParamInfo<std::tuple<int, FaultCase>>& testCase) {
        return std::string(std::get<1>(testCase.param).name) + "OnVariant" +
               std::to_string(std::get<0>(testCase.param));
    });

}  // namespace
}  // namespace kalvor
