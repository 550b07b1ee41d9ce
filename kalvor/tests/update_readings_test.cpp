#include <gtest/gtest.h>

#include <map>

#include "kalvor/kalvor_app.h"
#include "model_bus.h"
#include "recording_bus.h"

namespace kalvor {
namespace {


struct Fixture {
    Fixture() {
        bus.registers[reg::kConfiguration] = kConfigStart;
        bus.registers[reg::kMiscellaneous] = 0x50;
        bus.registers[reg::kTemperature] = 179;  // 60 degrees
        bus.registers[reg::kVin3] = 100;
        bus.registers[reg::kFanCounts] = (120 << 8) | 80;
        dialog.settings.v1LoLimit = 3.1f;
        dialog.settings.v1HiLimit = 3.5f;
    }
    RecordingBus bus;
    KalvorDialogData dialog;
    CMonitorChip chip{bus, bus, dialog.settings};
    NoFiles files;
    CKalvorApp app{chip, dialog, files};
};

struct AdjustCase {
    float estimate;
    bool outside;
    std::string text;
    float after;
};

class EstimateDisplayTest : public testing::TestWithParam<AdjustCase> {};

TEST_P(EstimateDisplayTest, KeepsHealthySuppliesInsideAndPushesAbnormalOnesOut) {
    Fixture f;
    f.chip.vin1Search.estimate = GetParam().estimate;
    f.bus.registers[reg::kStatus] = GetParam().outside ? 1 << kVin1 : 0;
    std::uint8_t status = f.app.UpdateReadings();
    EXPECT_EQ(status & (1 << kVin1), GetParam().outside ? 1 << kVin1 : 0);
    EXPECT_EQ(f.dialog.readings.v33Text, GetParam().text);
    EXPECT_FLOAT_EQ(f.chip.vin1Search.estimate, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Estimates, EstimateDisplayTest,
                         testing::Values(AdjustCase{3.3f, false, "3.30", 3.3f},
                                         AdjustCase{2.9f, false, "3.10", 3.1f},  // pulled onto the low limit
                                         AdjustCase{3.8f, false, "3.50", 3.5f},
                                         AdjustCase{3.35f, true, "3.60", 3.6f},  // upper half: above the high limit
                                         AdjustCase{3.2f, true, "3.00", 3.0f},   // lower half: below the low limit
                                         AdjustCase{2.0f, true, "2.00", 2.0f},   // already outside: stays
                                         AdjustCase{-0.05f, false, "N/A", -0.05f}));

TEST(UpdateReadingsTest, ReadsTemperatureVCoreAndFans) {
    Fixture f;
    f.app.UpdateReadings();
    EXPECT_EQ(f.dialog.readings.temperature, 60);
    EXPECT_EQ(f.dialog.readings.vcoreText, "1.73");
    EXPECT_EQ(f.dialog.readings.fan1Text, "3000");
    EXPECT_EQ(f.dialog.readings.fan2Text, "2000");
    EXPECT_EQ(f.dialog.readings.lastFan1Rpm, 3000);
}

TEST(UpdateReadingsTest, AutomaticFan1BelowThirtyAndDisabledFan2KeepTheirLastSpeeds) {
    Fixture f;
    f.dialog.settings.fan1Auto = 1;
    f.dialog.settings.enableFan2 = 0;
    f.bus.registers[reg::kTemperature] = 140;  // 21 degrees
    f.app.UpdateReadings();
    EXPECT_EQ(f.dialog.readings.fan1Text, "");
    EXPECT_EQ(f.dialog.readings.lastFan1Rpm, 0) << "none read in this run";
    EXPECT_EQ(f.dialog.readings.fan2Text, "");
    EXPECT_EQ(f.dialog.readings.lastFan2Rpm, 0);

    f.bus.registers[reg::kTemperature] = 179;
    f.app.UpdateReadings();
    EXPECT_EQ(f.dialog.readings.lastFan1Rpm, 3000);
}

TEST(UpdateReadingsTest, EstimatePushedBelowZeroShowsOnceThenNotAvailable) {
    Fixture f;
    f.dialog.settings.v1LoLimit = 0.05f;
    f.dialog.settings.v1HiLimit = 3.5f;
    f.chip.vin1Search.estimate = 0.06f;
    f.bus.registers[reg::kStatus] = 1 << kVin1;
    f.app.UpdateReadings();
    EXPECT_EQ(f.dialog.readings.v33Text, "-0.05");
    f.bus.registers[reg::kStatus] = 1 << kVin1;
    f.app.UpdateReadings();
    EXPECT_EQ(f.dialog.readings.v33Text, "N/A");
}

}  // namespace
}  // namespace kalvor
