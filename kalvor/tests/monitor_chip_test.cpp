#include "kalvor/monitor_chip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "kalvor/chip_variant.h"
#include "recording_bus.h"

namespace kalvor {
namespace {

class RecordingHost final : public ChipHost {
public:
    void ShowDriverError() override { ++driverErrors; }
    void ResetTrayAlarm() override { ++trayResets; }
    int driverErrors = 0;
    int trayResets = 0;
};

using Log = std::vector<std::string>;

// A chip that answers identification, and whose status register (18) and
// variant register (31) answer as the test says.
struct ChipFixture {
    ChipFixture(std::uint8_t probeStatus, std::uint8_t correctionStatus, std::uint8_t variantReadback = 0) {
        bus.registers[reg::kIdentifier] = kChipIdentifier;
        bus.onRead = [this, probeStatus, correctionStatus, variantReadback](int r) -> std::uint16_t {
            if (r == reg::kStatus) return statusReads++ == 0 && variantReadback != 0x80 ? probeStatus : correctionStatus;
            if (r == reg::kVariant) return variantReadback;
            return bus.registers[r];
        };
    }
    RecordingBus bus;
    SettingValues settings;
    CMonitorChip chip{bus, bus, settings};
    RecordingHost host;
    int statusReads = 0;
};

// Register 12 starts at 0, so the written words are predictable.
Log VddLimits(int low, int high) {
    return {"R 12,2", "W 12=" + std::to_string(low << 8) + ",2", "R 12,2",
            "W 12=" + std::to_string((low << 8) | high) + ",2"};
}

Log Concat(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(InitializeTest, Variant0TrafficIsExactlyAsSpecified) {
    ChipFixture f(0x00, 0x00);
    f.chip.Initialize(f.host);
    // Register 3 holds 0x80 after the reset: the probe makes it 0xC4.
    Log expected = Concat({
        {"R 0,1", "R 1,1"},
        {"W 3=128,1", "W 17=0,1", "W 31=0,1", "R 31,1"},
        VddLimits(159, 180),
        {"R 3,1", "W 3=196,1", "wait 3072", "R 18,1"},
        {"W 31=128,1"},
        {"W 17=1,1"},
        {"R 12,2", "W 12=" + std::to_string((159 << 8) | 180) + ",2", "R 12,2",
         "W 12=" + std::to_string((159 << 8) | 237) + ",2"},
        {"R 3,1", "W 3=228,1", "R 3,1", "W 3=196,1", "wait 1024", "R 18,1", "W 17=0,1"},
        {"R 15,1", "W 15=64,1", "R 15,1", "W 15=80,1"},
    });
    EXPECT_EQ(f.bus.log, expected);
    EXPECT_EQ(f.chip.variant, 0);
    EXPECT_EQ(f.chip.temperatureCorrection, 0);
    EXPECT_EQ(f.chip.voltageCorrection, 0);
    EXPECT_EQ(f.host.trayResets, 1);
    EXPECT_EQ(f.host.driverErrors, 0);
}

struct VariantCase {
    const char* name;
    std::uint8_t probeStatus;
    std::uint8_t correctionStatus;
    std::uint8_t variantReadback;
    int variant;
    int temperatureCorrection;
    int voltageCorrection;
    std::uint16_t variantRegister;
};

class InitializeVariantTest : public testing::TestWithParam<VariantCase> {};

TEST_P(InitializeVariantTest, FindsTheVariantAndItsCorrections) {
    const VariantCase& c = GetParam();
    ChipFixture f(c.probeStatus, c.correctionStatus, c.variantReadback);
    f.chip.Initialize(f.host);
    EXPECT_EQ(f.chip.variant, c.variant);
    EXPECT_EQ(f.chip.temperatureCorrection, c.temperatureCorrection);
    EXPECT_EQ(f.chip.voltageCorrection, c.voltageCorrection);
    EXPECT_EQ(f.bus.registers[reg::kVariant], c.variantRegister);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, InitializeVariantTest,
    testing::Values(VariantCase{"Variant0", 0, 0, 0, 0, 0, 0, 0x80},
                    VariantCase{"Variant0Corrected", 0, 1, 0, 0, 33, 28, 0x80},
                    VariantCase{"Variant1", 1, 0, 0, 1, 0, 0, 0x00},
                    VariantCase{"Variant1Corrected", 1, 1, 0, 1, 26, 28, 0x00},
                    VariantCase{"Variant2", 0, 1, 0x80, 2, 0, 0, 0x80}),
    [](const testing::TestParamInfo<VariantCase>& testCase) { return testCase.param.name; });

TEST(InitializeTest, Variant1CorrectionTestUsesItsOwnCodesAndNoMask) {
    ChipFixture f(0x01, 0x00);
    f.chip.Initialize(f.host);
    const Log& log = f.bus.log;
    // After the probe, variant 1 keeps 0x00 in register 31.
    auto probeEnd = std::find(log.rbegin(), log.rend(), "W 31=0,1");
    ASSERT_NE(probeEnd, log.rend());
    Log afterProbe(probeEnd.base(), log.end());
    Log expectedStart = {"R 12,2", "W 12=" + std::to_string((144 << 8) | 180) + ",2", "R 12,2",
                         "W 12=" + std::to_string((144 << 8) | 221) + ",2"};
    ASSERT_GE(afterProbe.size(), expectedStart.size());
    EXPECT_EQ(Log(afterProbe.begin(), afterProbe.begin() + 4), expectedStart);
    EXPECT_EQ(std::count(log.begin(), log.end(), "W 17=1,1"), 0) << "no mask writes on variant 1";
}

TEST(InitializeTest, Variant2SkipsTheProbeAndTheCorrectionTest) {
    ChipFixture f(0x01, 0x01, 0x80);
    f.chip.Initialize(f.host);
    EXPECT_EQ(std::count(f.bus.log.begin(), f.bus.log.end(), "R 18,1"), 0);
    EXPECT_EQ(std::count(f.bus.log.begin(), f.bus.log.end(), "wait 3072"), 0);
}

TEST(InitializeTest, WrongIdentifierOrRevisionShowsTheDriverError) {
    for (auto [identifier, revision, reads] : {std::tuple{0x81, 0, 1}, std::tuple{0x80, 1, 2}}) {
        ChipFixture f(0, 0);
        f.bus.registers[reg::kIdentifier] = static_cast<std::uint16_t>(identifier);
        f.bus.registers[reg::kRevision] = static_cast<std::uint16_t>(revision);
        f.chip.Initialize(f.host);
        EXPECT_EQ(f.host.driverErrors, 1);
        EXPECT_EQ(f.bus.log[reads], "W 3=128,1") << "detection goes on after the dialog";
    }
}

TEST(RestartIfStoppedTest, RunningChipIsOnlyRead) {
    ChipFixture f(0, 0);
    f.bus.registers[reg::kConfiguration] = kConfigStart;
    f.chip.RestartIfStopped();
    EXPECT_EQ(f.bus.log, (Log{"R 3,1"}));
}

TEST(RestartIfStoppedTest, StoppedChipIsStartedAndGetsTheSettingsBack) {
    ChipFixture f(0, 0);
    f.settings.tempOver = 60;
    f.settings.alarmTemp = 1;
    f.settings.alarmVdd = 0;
    f.chip.temperatureCorrection = 33;
    f.chip.RestartIfStopped();
    const Log& log = f.bus.log;
    EXPECT_EQ(Log(log.begin(), log.begin() + 6),
              (Log{"R 3,1", "W 3=128,1", "W 31=128,1", "R 3,1", "W 3=192,1", "wait 3072"}));
    EXPECT_EQ(f.bus.registers[reg::kOverLimit], 179) << "60 degrees without correction";
    EXPECT_EQ(f.chip.alarmMask & (1 << kTemp), 1 << kTemp);
    EXPECT_EQ(f.chip.alarmMask & (1 << kVdd), 0);
    EXPECT_EQ(log.back(), "W 3=192,1") << "ends with the status clear";
}

TEST(ChipWritersTest, LimitBytesKeepTheOtherHalfOfTheWord) {
    ChipFixture f(0, 0);
    f.bus.registers[reg::kVin2Limits] = 0x1234;
    f.chip.WriteVoltageLimit(VoltageChannel::Vin2, LimitSide::Low, 3.3f);
    EXPECT_EQ(f.bus.registers[reg::kVin2Limits], (186 << 8) | 0x34);
    f.chip.WriteVoltageLimit(VoltageChannel::Vin2, LimitSide::High, 3.3f);
    EXPECT_EQ(f.bus.registers[reg::kVin2Limits], (186 << 8) | 186);

    f.bus.registers[reg::kMiscellaneous] = 0x40 | 0x10;  // both divide by 2
    f.bus.registers[reg::kFanLimits] = 0;
    f.chip.WriteFan1Limit(3000);
    f.chip.WriteFan2Limit(1000);
    EXPECT_EQ(f.bus.registers[reg::kFanLimits], (240 << 8) | 80);
}

TEST(ChipWritersTest, SettingsBitsAreReadModifyWrite) {
    ChipFixture f(0, 0);
    f.bus.registers[reg::kConfiguration] = 0x40;
    f.chip.SetFan2Enabled(false);
    EXPECT_EQ(f.bus.registers[reg::kConfiguration], 0x50);
    f.chip.SetFan2Enabled(true);
    EXPECT_EQ(f.bus.registers[reg::kConfiguration], 0x40);
    f.bus.registers[reg::kMiscellaneous] = 0x50;
    f.chip.SetFan1Auto(true);
    EXPECT_EQ(f.bus.registers[reg::kMiscellaneous], 0x58);
    f.chip.SetFan1Auto(false);
    EXPECT_EQ(f.bus.registers[reg::kMiscellaneous], 0x50);
}

TEST(ChipWritersTest, ShutdownStopsTheChipAndReleasesTheBus) {
    ChipFixture f(0, 0);
    f.chip.Shutdown();
    EXPECT_EQ(f.bus.log, (Log{"W 16=0,1", "W 17=0,1", "W 3=0,1", "DeRegUsing"}));
}

TEST(ChipReadingsTest, TemperatureLimitReadBackOnVariant1CanLoseADegree) {
    ChipFixture f(0, 0);
    f.chip.variant = 1;
    f.chip.WriteOverLimit(60);
    EXPECT_EQ(f.bus.registers[reg::kOverLimit], 183);
    EXPECT_EQ(f.chip.ReadOverLimit(), 59);
}

}  // namespace
}  // namespace kalvor
