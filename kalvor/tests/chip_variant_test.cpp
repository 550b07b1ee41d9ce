#include "kalvor/chip_variant.h"

#include <gtest/gtest.h>

#include <limits>

namespace kalvor {
namespace {

TEST(EncodingTest, TheExamplesOfTheRegisterLayer) {
    EXPECT_EQ(EncodeTemperatureLimit(60, false, 0, 0), 179);
    EXPECT_EQ(EncodeTemperatureLimit(60, false, 0, 1), 183);
    EXPECT_EQ(EncodeTemperatureLimit(140, true, 0, 0), 179);
    EXPECT_EQ(EncodeFanLimit(3000, 2), 80);
    EXPECT_EQ(EncodeFanLimit(1000, 2), 240);
    EXPECT_EQ(EncodeFanLimit(20000, 2), 12);
    EXPECT_EQ(EncodeVinLimit(3.3f, 1.0f, 0, 0), 186);
    EXPECT_EQ(EncodeVinLimit(3.3f, 1.0f, 0, 1), 175);
    EXPECT_EQ(EncodeVddLimit(5.0f, 0, 0), 224);
    EXPECT_EQ(EncodeVddLimit(5.0f, 0, 1), 208);
    // The probe and correction-test windows.
    EXPECT_EQ(EncodeVddLimit(3.5f, 0, 0), 159);
    EXPECT_EQ(EncodeVddLimit(4.0f, 0, 0), 180);
    EXPECT_EQ(EncodeVddLimit(5.3f, 0, 0), 237);
    EXPECT_EQ(EncodeVddLimit(3.5f, 0, 1), 144);
    EXPECT_EQ(EncodeVddLimit(5.3f, 0, 1), 221);
}

TEST(EncodingTest, CodesBeyondTheRangeAreClampedNotWrapped) {
    EXPECT_EQ(EncodeTemperatureLimit(200, false, 0, 0), 255);
    EXPECT_EQ(EncodeTemperatureLimit(-150, false, 0, 0), 0);
    EXPECT_EQ(EncodeVinLimit(20.0f, 1.0f, 28, 0), 255);
    EXPECT_EQ(EncodeVinLimit(-1.0f, 1.0f, 0, 1), 0);
    EXPECT_EQ(EncodeFanLimit(100, 2), 255);
    EXPECT_EQ(EncodeFanLimit(0, 2), 255) << "no division by zero";
    EXPECT_EQ(EncodeFanLimit(-5, 2), 255);
}

TEST(DecodingTest, TheExamplesOfTheReadings) {
    EXPECT_EQ(DecodeTemperature(179, false, 0, 0), 60);
    EXPECT_EQ(DecodeTemperature(179, true, 0, 0), 140);
    EXPECT_EQ(DecodeTemperature(100, false, 0, 0), -19);
    EXPECT_EQ(DecodeTemperature(100, true, 0, 0), -1);
    EXPECT_EQ(DecodeTemperature(0, false, 0, 0), -119);
    EXPECT_EQ(DecodeTemperature(183, false, 0, 1), 59);
    EXPECT_DOUBLE_EQ(DecodeVCore(100, 1.0f, 0, 0), 1.72578125);
    EXPECT_DOUBLE_EQ(DecodeVCore(100, 1.0f, 0, 1), 1.8965625);
    EXPECT_EQ(DecodeFanRpm(80, 2), 3000);
    EXPECT_EQ(DecodeFanRpm(255, 2), 941);
    EXPECT_EQ(DecodeFanRpm(1, 2), 240000);
    EXPECT_EQ(DecodeFanRpm(0, 2), 0);
}

}  // namespace
}  // namespace kalvor

namespace kalvor {
namespace {

// Found by fuzzing: an infinite or NaN limit from a hand-made settings
// file made an undefined conversion; it now gives the range's end.
TEST(ChipVariantTest, LimitsThatAreNoNumbersGiveTheRangesEnds) {
    const float inf = std::numeric_limits<float>::infinity();
    for (int variant = 0; variant <= 2; ++variant) {
        EXPECT_EQ(EncodeVinLimit(inf, 1.0f, 0, variant), 255) << variant;
        EXPECT_EQ(EncodeVinLimit(-inf, 1.0f, 0, variant), 0) << variant;
        EXPECT_EQ(EncodeVddLimit(inf, 0, variant), 255) << variant;
        EXPECT_EQ(EncodeVddLimit(-inf, 0, variant), 0) << variant;
        EncodeVinLimit(std::numeric_limits<float>::quiet_NaN(), 1.0f, 0, variant);
        EncodeVddLimit(std::numeric_limits<float>::quiet_NaN(), 0, variant);
    }
}

}  // namespace
}  // namespace kalvor
