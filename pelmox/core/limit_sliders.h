// The two limit sliders (positions 0 to 49) and the limits they stand for,
// both ways.
#pragma once

#include <array>

#include "driver_blocks.h"
#include "sensor_items.h"

namespace pelmox {

constexpr int kSliderMin = 0;
constexpr int kSliderMax = 49;

// A supply's upper and lower nominal voltages.
struct VoltageSpan {
    float upperNominal;
    float lowerNominal;
};

// The tolerance shared by the four supplies.
constexpr float m_tolerance = 0.1f;

// The supplies in list order: 12 V, 5 V, I/O, CPU core.
constexpr int kSupplyCount = 4;
extern const std::array<VoltageSpan, kSupplyCount> kVoltageSpans;

// 72 * p + 1400 rpm.
float FanLimitFromPosition(int position);
// p * 1.6 + 20.0 degrees Celsius.
float TemperatureLimitFromPosition(int position);
// base + span * p * 0.02 volts, base = (1 - t) * m, span = (M + m) * t + (M - m).
float SupplyLimitFromPosition(const VoltageSpan& span, int position);

// The reverse, truncated toward zero and not clamped to the slider range.
int FanPositionFromLimit(float limit);
int TemperaturePositionFromLimit(float limit);
int SupplyPositionFromLimit(const VoltageSpan& span, float limit);

// The span of a supply item, nullptr for fans and temperatures.
const VoltageSpan* SupplySpan(const SensorItem& item);

// The limit an item's lower or upper slider position stands for.
float LowerLimitFromPosition(const SensorItem& item, int position);
float UpperLimitFromPosition(const SensorItem& item, int position);

// The twelve slider positions in the order of the limits of WatchDogLimit.
std::array<int, 12> SliderPositionsFromLimits(const WatchDogLimit& limits);

}  // namespace pelmox
