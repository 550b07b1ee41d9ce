// CMonitorChip against the simulated chip: detection of every board kind,
// and the supply search converging on the true supplies.
#include <gtest/gtest.h>

#include <cmath>

#include "boardsim/smbus/chip_model.h"
#include "kalvor/monitor_chip.h"

namespace kalvor {
namespace {

class ModelBus final : public SmBus, public Waiter {
public:
    explicit ModelBus(boardsim::ChipModel& model) : model_(model) {}
    bool CheckDriver() override { return true; }
    bool RegUsing() override { return true; }
    bool ChkUsing() override { return false; }
    void DeRegUsing() override {}
    std::uint16_t ReadSM(int reg, Size size) override { return model_.Read(reg, static_cast<int>(size)); }
    void WriteSM(int reg, std::uint16_t value, Size size) override { model_.Write(reg, value, static_cast<int>(size)); }
    void Wait(unsigned) override {}

private:
    boardsim::ChipModel& model_;
};

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
