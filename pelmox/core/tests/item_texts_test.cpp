// The value texts with their blink marker, the limit texts and Fahrenheit.
#include "pelmox/core/item_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "pelmox/core/temperature_units.h"

namespace pelmox {
namespace {

TEST(TemperatureUnitsTest, FahrenheitUsesTheSingleFactor) {
    EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(0.0f), 32.0);
    // 1.8 as a single is a little less than 1.8: 50 C lands just below 122.
    EXPECT_LT(CelsiusToFahrenheit(50.0f), 122.0);
    EXPECT_NEAR(CelsiusToFahrenheit(50.0f), 122.0, 1e-5);
    EXPECT_FLOAT_EQ(FahrenheitToCelsius(140.0), 60.0f);
    EXPECT_FLOAT_EQ(FahrenheitToCelsius(32.0), 0.0f);
    EXPECT_FLOAT_EQ(FahrenheitToCelsius(-40.0), -40.0f);
}

const SensorItem& Item(ItemBit bit) { return kSensorItems[static_cast<std::size_t>(ItemIndexFromBit(bit))]; }

struct TextCase {
    ItemBit bit;
    float value;
    ItemState state;
    const char* marker;
    std::int32_t unit;
    const char* text;
};

class ValueTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ValueTextTest, FormatsPerGroupUnitAndState) {
    const TextCase& c = GetParam();
    EXPECT_EQ(FormatValueText(Item(c.bit), c.value, c.state, c.marker, c.unit), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueTextTest,
    testing::Values(TextCase{ITEM_CPU_FAN, 4821.0f, StateNormal, " ", TempCelsius, "  4821"},
                    TextCase{ITEM_FAN2, 1200.0f, StateAlarm, "  ", TempCelsius, "   1200"},
                    TextCase{ITEM_FAN2, 1200.0f, StateAlarm, " ", TempCelsius, "  1200"},
                    TextCase{ITEM_CHIPSET_TEMP, 45.5f, StateNormal, " ", TempCelsius, "  45.50"},
                    TextCase{ITEM_CHIPSET_TEMP, 45.5f, StateNormal, " ", TempFahrenheit, "  113.9"},
                    TextCase{ITEM_CHIPSET_TEMP, 0.0f, StateAlarm, "  ", TempCelsius, "   0.00"},
                    TextCase{ITEM_CHIPSET_TEMP, 50.0f, StateAlarm, " ", TempFahrenheit, "  122.0"},
                    TextCase{ITEM_CPU_TEMP, 45.5f, StateNormal, " ", TempCelsius, "  45.5"},
                    TextCase{ITEM_CPU_TEMP, 0.0f, StateNormal, " ", TempFahrenheit, "  32.0"},
                    TextCase{ITEM_CPU_TEMP, 70.34f, StateAlarm, "  ", TempCelsius, "   70.3"},
                    TextCase{ITEM_12V, 12.096f, StateNormal, " ", TempCelsius, "  12.10"},
                    TextCase{ITEM_CPU_VOLTAGE, 1.5f, StateAlarm, "  ", TempFahrenheit, "   1.50"}));

TEST(BlinkMarkerTest, TogglesBetweenOneAndTwoBlanks) {
    std::string marker = " ";
    ToggleBlinkMarker(marker);
    EXPECT_EQ(marker, "  ");
    ToggleBlinkMarker(marker);
    EXPECT_EQ(marker, " ");
    marker = "";  // anything but two characters becomes two blanks
    ToggleBlinkMarker(marker);
    EXPECT_EQ(marker, "  ");
}

class ValueTextsTest : public testing::Test {
protected:
    ValueTextsTest() {
        limits.cpuFanLow = limits.fan2Low = 3000.0f;
        limits.chipsetTemperatureHigh = limits.cpuTemperatureHigh = 60.0f;
        limits.supply12VLow = 11.0f;
        limits.supply12VHigh = 13.0f;
        limits.supply5VLow = 4.5f;
        limits.supply5VHigh = 5.5f;
        limits.ioSupplyLow = 3.0f;
        limits.ioSupplyHigh = 3.6f;
        limits.cpuVoltageLow = 1.5f;
        limits.cpuVoltageHigh = 2.0f;
    }
    // The second fan is below its limit, all else inside.
    SensorValues values{3500.0f, 1200.0f, 45.5f, 45.5f, 12.0f, 5.0f, 3.3f, 1.75f};
    WatchDogLimit limits{};
    ValueTexts texts;
};

TEST_F(ValueTextsTest, StartsNormalWithOneBlank) {
    EXPECT_EQ(texts.BlinkMarker(), " ");
    for (ItemState state : texts.States()) EXPECT_EQ(state, StateNormal);
}

TEST_F(ValueTextsTest, AValueOutsideJumpsAtEveryUpdateAndOneInsideStays) {
    const char* fan2[] = {"   1200", "  1200", "   1200", "  1200"};
    for (const char* expected : fan2) {
        texts.Update(values, limits, kAllItems, TempCelsius);
        EXPECT_EQ(texts.Texts()[1], expected);
        EXPECT_EQ(texts.States()[1], StateAlarm);
        EXPECT_EQ(texts.Texts()[0], "  3500");
        EXPECT_EQ(texts.States()[0], StateNormal);
    }
}

TEST_F(ValueTextsTest, FormsEveryItemInListOrder) {
    texts.Update(values, limits, kAllItems, TempFahrenheit);
    const char* expected[kItemCount] = {"  3500", "   1200", "  113.9", "  113.9",
                                        "  12.00", "  5.00",  "  3.30",  "  1.75"};
    for (int i = 0; i < kItemCount; ++i) EXPECT_EQ(texts.Texts()[static_cast<std::size_t>(i)], expected[i]) << i;
}

TEST_F(ValueTextsTest, AHiddenItemIsEmptyWhateverItsValue) {
    texts.Update(values, limits, kAllItems & ~static_cast<std::uint32_t>(ITEM_FAN2 | ITEM_12V), TempCelsius);
    EXPECT_EQ(texts.Texts()[1], "");
    EXPECT_EQ(texts.States()[1], StateHidden);
    EXPECT_EQ(texts.Texts()[4], "");
    EXPECT_EQ(texts.States()[4], StateHidden);
    EXPECT_EQ(texts.States()[0], StateNormal);
    // Shown again, the item takes its state from the limits once more.
    texts.Update(values, limits, kAllItems, TempCelsius);
    EXPECT_EQ(texts.States()[1], StateAlarm);
    EXPECT_EQ(texts.Texts()[1], "  1200");  // the marker kept toggling meanwhile
}

TEST_F(ValueTextsTest, ZeroTemperatureWithZeroLimitShowsTheMarker) {
    values.cpuTemperature = 0.0f;
    limits.cpuTemperatureHigh = 0.0f;
    values.chipsetTemperature = 0.0f;  // limit 60: inside
    texts.Update(values, limits, kAllItems, TempCelsius);
    EXPECT_EQ(texts.Texts()[3], "   0.0");
    EXPECT_EQ(texts.States()[3], StateAlarm);
    EXPECT_EQ(texts.Texts()[2], "  0.00");
    EXPECT_EQ(texts.States()[2], StateNormal);
}

TEST(LimitTextsTest, EachGroupFillsItsOwnFields) {
    WatchDogLimit limits{};
    limits.cpuFanLow = 2768.0f;
    limits.chipsetTemperatureHigh = 60.0f;
    limits.cpuTemperatureHigh = 60.0f;
    limits.supply12VLow = 12.0f;
    limits.supply12VHigh = 13.152f;
    struct Expect {
        ItemBit bit;
        std::int32_t unit;
        const char* lower;
        const char* upper;
    };
    const Expect cases[] = {
        {ITEM_CPU_FAN, TempCelsius, "2768 rpm", ""},   {ITEM_CPU_FAN, TempFahrenheit, "2768 rpm", ""},
        {ITEM_CHIPSET_TEMP, TempCelsius, "", "60.00 C"}, {ITEM_CHIPSET_TEMP, TempFahrenheit, "", "140.0 F"},
        {ITEM_CPU_TEMP, TempCelsius, "", "60.0 C"},      {ITEM_CPU_TEMP, TempFahrenheit, "", "140.0 F"},
        {ITEM_12V, TempFahrenheit, "12.000 V", "13.152 V"},
    };
    for (const Expect& c : cases) {
        const LimitTexts texts = FormatLimitTexts(Item(c.bit), limits, c.unit);
        EXPECT_EQ(texts.lower, c.lower) << c.bit << " unit " << c.unit;
        EXPECT_EQ(texts.upper, c.upper) << c.bit << " unit " << c.unit;
    }
}

}  // namespace
}  // namespace pelmox
