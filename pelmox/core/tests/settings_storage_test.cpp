// The settings' start-up paths against a driver that keeps limits: the
// order of requests, the registry values, the vendor file's effects.
#include "pelmox/core/settings_storage.h"

#include <gtest/gtest.h>

#include "storage_parts.h"

namespace pelmox {
namespace {

struct Storage : testing::Test, StorageParts {};

const std::vector<std::string> kValueOrder{"NMI45",    "CheckItem", "EnableItem", "VendorUnavailable",
                                           "SoundEnable", "TempUnit", "CpuVoltage", "WatchDogLimit"};

TEST_F(Storage, FirstRunWithoutVendorFileTakesTheDriverDefaults) {
    storage.RunStartup();
    EXPECT_EQ(chipset.requests,
              (std::vector<Request>{{PELMOX_SET_LIMITS, LIMITS_RESTORE_DEFAULTS},
                                    {PELMOX_READ_LIMITS, LIMITS_RESTORE_DEFAULTS},
                                    {PELMOX_READ_VALUES, 0},
                                    {PELMOX_READ_LIMITS, LIMITS_RESTORE_DEFAULTS},
                                    {PELMOX_READ_VALUES, 0}}))
        << "no arm or disarm request at all";
    EXPECT_EQ(settings.enableItem, kAllItems);
    EXPECT_EQ(settings.checkItem, kAllItems);
    EXPECT_EQ(settings.limits.cpuFanLow, 3000);
    EXPECT_EQ(registry.written, kValueOrder);
    EXPECT_EQ(registry.values["NMI45"].bytes, (std::vector<std::uint8_t>{0xFF}));
    EXPECT_EQ(registry.values["WatchDogLimit"].bytes.size(), 52u);
}

TEST_F(Storage, TheStoredStateGoesBackIntoTheDriver) {
    registry.exists = true;
    registry.Put("NMI45", std::uint8_t{0x0F});
    registry.Put("CheckItem", std::uint32_t{0x33});
    registry.Put("CpuVoltage", 2.0f);
    WatchDogLimit stored = DefaultLimits();
    stored.mask = ITEM_5V;
    stored.supply5VLow = 4.5f;
    stored.cpuFanLow = 1000;  // not the selected item: not taken
    registry.Put("WatchDogLimit", stored);

    storage.RunStartup();
    EXPECT_EQ(chipset.requests, (std::vector<Request>{{PELMOX_SET_LIMITS, LIMITS_RESTORE_DEFAULTS},
                                                      {PELMOX_SHUTDOWN, kAllItems},
                                                      {PELMOX_WAKE_UP, 0xFFFFFFF0u},
                                                      {PELMOX_READ_VALUES, 0},
                                                      {PELMOX_SET_LIMITS, ITEM_5V},
                                                      {PELMOX_READ_LIMITS, ITEM_5V}}));
    EXPECT_EQ(settings.checkItem, 0x33u);
    EXPECT_FLOAT_EQ(settings.limits.supply5VLow, 4.5f);
    EXPECT_FLOAT_EQ(settings.limits.cpuFanLow, 3000) << "the other items start from the driver's defaults";
    EXPECT_TRUE(registry.written.empty()) << "a load saves nothing";
}

TEST_F(Storage, AChangedProcessorKeepsTheDriversCoreVoltageLimits) {
    const struct {
        float stored, now;
        bool changed;
    } cases[] = {{2.80f, 2.90f, false}, {2.80f, 2.95f, true}, {2.95f, 2.80f, true}, {2.0f, 2.0f, false}};
    for (const auto& c : cases) {
        registry.exists = true;
        registry.values.clear();
        registry.Put("CpuVoltage", c.stored);
        WatchDogLimit stored = DefaultLimits();
        stored.mask = ITEM_CPU_FAN;
        registry.Put("WatchDogLimit", stored);
        chipset.values.cpuVoltage = c.now;
        chipset.requests.clear();
        storage.LoadSettings();
        ASSERT_GE(chipset.requests.size(), 2u);
        EXPECT_EQ(chipset.requests[chipset.requests.size() - 2].word, c.changed ? kAllButCpuVoltage : ITEM_CPU_FAN)
            << c.stored << " then " << c.now;
    }
}

TEST_F(Storage, AMissingCpuVoltageCountsAsAnUnchangedProcessor) {
    registry.exists = true;
    WatchDogLimit stored = DefaultLimits();
    stored.mask = ITEM_12V;
    registry.Put("WatchDogLimit", stored);
    storage.LoadSettings();
    EXPECT_EQ(chipset.requests[chipset.requests.size() - 2].word, ITEM_12V);
}

TEST_F(Storage, ValuesOfAWrongSizeOrTypeLeaveTheirMembers) {
    registry.exists = true;
    registry.values["CheckItem"] = {kRegBinary, {1, 2}};
    registry.values["EnableItem"] = {1 /* a string */, {0x11, 0, 0, 0}};
    registry.values["NMI45"] = {kRegBinary, {1, 2, 3, 4}};
    registry.values["WatchDogLimit"] = {kRegBinary, std::vector<std::uint8_t>(200, 0x41)};
    registry.values["SoundEnable"] = {kRegBinary, {}};
    storage.LoadSettings();
    EXPECT_EQ(settings.checkItem, 0u);
    EXPECT_EQ(settings.enableItem, 0xFFu);
    EXPECT_EQ(settings.nmi45, 0xFF);
    EXPECT_EQ(settings.soundEnable, 1);
    EXPECT_FLOAT_EQ(settings.limits.cpuFanLow, 3000) << "the driver's defaults, read back";
}

TEST_F(Storage, TheVendorFileSetsSoundUnitLimitsAndUnavailableItems) {
    vendor.text =
        "Sound = OFF\r\n"
        "TemperatureUnit = F\r\n"
        "CPUTemperatureUpper = 140\r\n"
        "CPUFanSpeedLower = 2500\r\n"
        "Fan2SpeedLower = lots\r\n"
        "12VoltageUpper = 13.5\r\n"
        "5VoltageLower = 4.6\r\n"
        "5VoltageUpper = 5.4\r\n"
        "CPUVoltageLower = UNAVAILABLE\r\n"
        "CPUVoltageUpper = 9\r\n";
    storage.RunStartup();
    EXPECT_EQ(settings.soundEnable, 0);
    EXPECT_EQ(settings.tempUnit, 1);
    EXPECT_FLOAT_EQ(settings.limits.cpuTemperatureHigh, 60.0f);
    EXPECT_FLOAT_EQ(settings.limits.cpuFanLow, 2500);
    EXPECT_FLOAT_EQ(settings.limits.fan2Low, 3000) << "an unreadable number keeps the default";
    EXPECT_FLOAT_EQ(settings.limits.supply12VHigh, 12.6f) << "an upper key without its lower one is ignored";
    EXPECT_FLOAT_EQ(settings.limits.supply5VLow, 4.6f);
    EXPECT_FLOAT_EQ(settings.limits.supply5VHigh, 5.4f);
    EXPECT_FLOAT_EQ(settings.limits.cpuVoltageHigh, 2.2f) << "an unavailable item's upper key is not read";
    EXPECT_EQ(settings.vendorUnavailable, static_cast<std::uint32_t>(ITEM_CPU_VOLTAGE));
    EXPECT_EQ(settings.enableItem, 0x7Fu);
    EXPECT_EQ(settings.checkItem, 0x7Fu);
    EXPECT_EQ(settings.limits.mask, kAllItems);

    std::vector<Request> expected{{PELMOX_SET_LIMITS, LIMITS_RESTORE_DEFAULTS},
                                  {PELMOX_READ_LIMITS, kAllItems},
                                  {PELMOX_SET_LIMITS, 0xFFFFFF00u | ITEM_CPU_FAN | ITEM_CPU_TEMP | ITEM_5V},
                                  {PELMOX_READ_LIMITS, kAllItems},
                                  {PELMOX_SHUTDOWN, kAllItems},
                                  {PELMOX_WAKE_UP, 0xFFFFFF00u},
                                  {PELMOX_READ_VALUES, 0}};
    ASSERT_GE(chipset.requests.size(), expected.size());
    EXPECT_EQ(std::vector<Request>(chipset.requests.begin(), chipset.requests.begin() + 7), expected);
}

TEST_F(Storage, ASecondFanThatReadsZeroAtTheFirstRunIsHidden) {
    chipset.values.fan2 = 0;
    storage.RunStartup();
    EXPECT_EQ(settings.enableItem & ITEM_FAN2, 0u);
    EXPECT_EQ(settings.checkItem & ITEM_FAN2, 0u);
    EXPECT_EQ(settings.enableItem, 0xFDu);
}

TEST_F(Storage, WhatIsSavedLoadsBack) {
    settings.nmi45 = 0x21;
    settings.checkItem = 0x5A;
    settings.enableItem = 0x7E;
    settings.vendorUnavailable = 0x81;
    settings.soundEnable = 0;
    settings.tempUnit = 1;
    settings.limits = DefaultLimits();
    settings.limits.mask = ITEM_CPU_TEMP;
    settings.limits.cpuTemperatureHigh = 66.5f;
    storage.SaveSettings();
    EXPECT_EQ(registry.written, kValueOrder);

    PelmoxSettings loaded;
    SettingsStorage again(loaded, driver, registry, vendor);
    ASSERT_TRUE(again.LoadSettings());
    EXPECT_EQ(loaded.nmi45, 0x21);
    EXPECT_EQ(loaded.checkItem, 0x5Au);
    EXPECT_EQ(loaded.enableItem, 0x7Eu);
    EXPECT_EQ(loaded.vendorUnavailable, 0x81u);
    EXPECT_EQ(loaded.soundEnable, 0);
    EXPECT_EQ(loaded.tempUnit, 1);
    EXPECT_EQ(loaded.limits.mask, static_cast<std::uint32_t>(ITEM_CPU_TEMP));
    EXPECT_FLOAT_EQ(loaded.limits.cpuTemperatureHigh, 66.5f) << "taken by the driver and read back";
    EXPECT_EQ(chipset.requests[3], (Request{PELMOX_WAKE_UP, ArmMask(0x21)})) << "after the save's read, the reset and the disarm";
}

TEST_F(Storage, EachUserChangeReachesTheDriverAndIsSaved) {
    settings.limits = DefaultLimits();
    settings.limits.mask = ITEM_5V;
    settings.limits.supply5VHigh = 5.4f;
    storage.SendLimits();
    storage.DisarmItem(ITEM_CPU_FAN);
    storage.ArmItem(ITEM_CPU_FAN);
    EXPECT_EQ(chipset.requests, (std::vector<Request>{{PELMOX_SET_LIMITS, ITEM_5V},
                                                      {PELMOX_READ_LIMITS, ITEM_5V},
                                                      {PELMOX_READ_VALUES, 0},
                                                      {PELMOX_SHUTDOWN, ITEM_CPU_FAN},
                                                      {PELMOX_READ_VALUES, 0},
                                                      {PELMOX_WAKE_UP, ITEM_CPU_FAN},
                                                      {PELMOX_READ_VALUES, 0}}));
    EXPECT_FLOAT_EQ(settings.limits.supply5VHigh, 5.4f);
    EXPECT_EQ(settings.nmi45, 0xFE) << "the CPU fan is armed again";
    EXPECT_EQ(settings.checkItem & ITEM_CPU_FAN, static_cast<std::uint32_t>(ITEM_CPU_FAN));
    EXPECT_EQ(registry.values["NMI45"].bytes, (std::vector<std::uint8_t>{0xFE}));
}

TEST_F(Storage, ArmMaskIsTheComplementWidened) {
    EXPECT_EQ(ArmMask(0xFF), 0xFFFFFF00u);
    EXPECT_EQ(ArmMask(0x00), 0xFFFFFFFFu);
    EXPECT_EQ(ArmMask(0x21), 0xFFFFFFDEu);
}

}  // namespace
}  // namespace pelmox
