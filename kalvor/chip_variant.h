// The three variants of the monitor chip and the encodings of limits and
// readings they imply.
#pragma once

#include <cstdint>

namespace kalvor {

struct VariantScales {
    double temperatureFactor;  // k
    double vinScale;           // s, volts per 128 codes
    double offset;             // o, of VIN and temperature codes
    double vddScale;           // sd, volts per 102.4 codes
    double vddOffset;          // od
    std::uint8_t variantRegister;
    bool correctionTest;
    int temperatureCorrection;  // when the test fires
    int voltageCorrection;
    bool maskDrivenByPolling;
};

const VariantScales& ScalesOf(int variant);

// Codes written to limit bytes are clamped to 0..255 after the arithmetic.
std::uint8_t ClampCode(long long code);

// Temperature limit t in the unit in use (Fahrenheit when `fahrenheit`).
std::uint8_t EncodeTemperatureLimit(int t, bool fahrenheit, int temperatureCorrection, int variant);
// Fan limit in rpm with the fan's divisor (1, 2, 4 or 8); rpm must be positive.
std::uint8_t EncodeFanLimit(int rpm, int divisor);
std::uint8_t EncodeVinLimit(float volts, float ratio, int voltageCorrection, int variant);
std::uint8_t EncodeVddLimit(float volts, int voltageCorrection, int variant);

int DecodeTemperature(int code, bool fahrenheit, int temperatureCorrection, int variant);
int DecodeTemperature2(int code, bool fahrenheit, int temperatureCorrection, int variant);
double DecodeVCore(int code, float ratio, int voltageCorrection, int variant);
int DecodeFanRpm(int count, int divisor);

}  // namespace kalvor
