#include "chip_variant.h"

#include <array>
#include <cmath>

namespace kalvor {
namespace {

constexpr double kVariant1TemperatureFactor = 0.977310924369748;
constexpr int kTemperatureBase = 119;
constexpr float kFahrenheitToCelsius = 0.5555556f;
constexpr float kCelsiusToFahrenheit = 1.8f;
constexpr double kTemperature2Offset = 13.50633;
constexpr double kTemperature2Factor = 0.902857;
constexpr int kFanClock = 480000;

constexpr std::array<VariantScales, 3> kVariants{{
    {1.0, 2.35, -6, 2.35, -6, 0x80, true, 33, 28, true},
    {kVariant1TemperatureFactor, 2.38, 2, 2.4, 5, 0x00, true, 26, 28, false},
    {kVariant1TemperatureFactor, 2.38, 2, 2.4, 5, 0x80, false, 0, 0, false},
}};

int Truncate(double value) { return static_cast<int>(value); }

// A register step count toward zero. A limit from a hand-made settings
// file may be infinite or not a number: those give the far end of the
// range (or 0) rather than an undefined conversion, and the register code
// is clamped all the same.
long long Steps(double value) {
    constexpr double kFar = 1e9;
    if (std::isnan(value)) return 0;
    return static_cast<long long>(std::fmax(-kFar, std::fmin(kFar, value)));
}

int ToFahrenheit(int celsius) { return Truncate(32.5 + kCelsiusToFahrenheit * static_cast<float>(celsius)); }

}  // namespace

const VariantScales& ScalesOf(int variant) { return kVariants[variant >= 0 && variant <= 2 ? variant : 0]; }

std::uint8_t ClampCode(long long code) {
    if (code < 0) return 0;
    if (code > 255) return 255;
    return static_cast<std::uint8_t>(code);
}

std::uint8_t EncodeTemperatureLimit(int t, bool fahrenheit, int temperatureCorrection, int variant) {
    int celsius = fahrenheit ? Truncate(0.5 + static_cast<float>(t - 32) * kFahrenheitToCelsius) : t;
    double code = (temperatureCorrection + celsius + kTemperatureBase) / ScalesOf(variant).temperatureFactor;
    return ClampCode(Steps(code));
}

std::uint8_t EncodeFanLimit(int rpm, int divisor) {
    if (rpm <= 0 || divisor <= 0) return 255;
    return ClampCode(kFanClock / rpm / divisor);
}

std::uint8_t EncodeVinLimit(float volts, float ratio, int voltageCorrection, int variant) {
    const VariantScales& v = ScalesOf(variant);
    double steps = volts / (v.vinScale / 128) / ratio + 0.5;
    return ClampCode(Steps(steps) + voltageCorrection - static_cast<long long>(v.offset));
}

std::uint8_t EncodeVddLimit(float volts, int voltageCorrection, int variant) {
    const VariantScales& v = ScalesOf(variant);
    double steps = volts / (v.vddScale * 5 / 512) + 0.5;
    return ClampCode(Steps(steps) + voltageCorrection - static_cast<long long>(v.vddOffset));
}

int DecodeTemperature(int code, bool fahrenheit, int temperatureCorrection, int variant) {
    int t = Truncate(code * ScalesOf(variant).temperatureFactor - kTemperatureBase - temperatureCorrection);
    return fahrenheit ? ToFahrenheit(t) : t;
}

int DecodeTemperature2(int code, bool fahrenheit, int temperatureCorrection, int variant) {
    double offset = ScalesOf(variant).offset - kTemperature2Offset;
    int t = Truncate((code + offset - temperatureCorrection) * kTemperature2Factor);
    return fahrenheit ? ToFahrenheit(t) : t;
}

double DecodeVCore(int code, float ratio, int voltageCorrection, int variant) {
    const VariantScales& v = ScalesOf(variant);
    return (code + v.offset - voltageCorrection) * ratio * v.vinScale / 128;
}

int DecodeFanRpm(int count, int divisor) {
    if (count == 0 || divisor <= 0) return 0;
    return kFanClock / count / divisor;
}

}  // namespace kalvor
