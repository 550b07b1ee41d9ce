#include "limit_sliders.h"

#include <cmath>
#include <limits>

namespace pelmox {

const std::array<VoltageSpan, kSupplyCount> kVoltageSpans = {{
    {12.0f, 12.0f},
    {5.0f, 5.0f},
    {3.52f, 2.5f},
    {3.6f, 1.8f},
}};

namespace {

// The slider's step as a single, taken at extended precision.
constexpr float kStepFraction = 0.02f;

long double Base(const VoltageSpan& span) {
    return (1.0L - static_cast<long double>(m_tolerance)) * static_cast<long double>(span.lowerNominal);
}

long double Span(const VoltageSpan& span) {
    const long double upper = span.upperNominal;
    const long double lower = span.lowerNominal;
    return (upper + lower) * static_cast<long double>(m_tolerance) + (upper - lower);
}

// Truncation toward zero. A limit read back from storage may be far
// outside any slider position or not a number; those give the nearest
// int (or 0) instead of an undefined conversion, which the slider clamps
// all the same.
int Truncate(double position) {
    if (std::isnan(position)) return 0;
    if (position >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (position <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(position);
}

}  // namespace

float FanLimitFromPosition(int position) { return static_cast<float>(72 * position + 1400); }

float TemperatureLimitFromPosition(int position) { return static_cast<float>(position * 1.6 + 20.0); }

float SupplyLimitFromPosition(const VoltageSpan& span, int position) {
    return static_cast<float>(Base(span) +
                              Span(span) * position * static_cast<long double>(kStepFraction));
}

int FanPositionFromLimit(float limit) {
    return Truncate((static_cast<double>(limit) - 1400.0) * 0.013888888888888888);
}

int TemperaturePositionFromLimit(float limit) { return Truncate((static_cast<double>(limit) - 20.0) * 0.625); }

int SupplyPositionFromLimit(const VoltageSpan& span, float limit) {
    const long double position = (static_cast<long double>(limit) - Base(span)) / Span(span) * 50.0L;
    return Truncate(static_cast<double>(position));
}

const VoltageSpan* SupplySpan(const SensorItem& item) {
    if (item.group != ItemGroup::Supply) return nullptr;
    const int index = ItemIndexFromBit(item.bit) - ItemIndexFromBit(ITEM_12V);
    return &kVoltageSpans[static_cast<std::size_t>(index)];
}

float LowerLimitFromPosition(const SensorItem& item, int position) {
    if (item.group == ItemGroup::Fan) return FanLimitFromPosition(position);
    if (const VoltageSpan* span = SupplySpan(item)) return SupplyLimitFromPosition(*span, position);
    return 0.0f;
}

float UpperLimitFromPosition(const SensorItem& item, int position) {
    if (item.group == ItemGroup::Temperature) return TemperatureLimitFromPosition(position);
    if (const VoltageSpan* span = SupplySpan(item)) return SupplyLimitFromPosition(*span, position);
    return 0.0f;
}

std::array<int, 12> SliderPositionsFromLimits(const WatchDogLimit& limits) {
    const VoltageSpan& v12 = kVoltageSpans[0];
    const VoltageSpan& v5 = kVoltageSpans[1];
    const VoltageSpan& io = kVoltageSpans[2];
    const VoltageSpan& core = kVoltageSpans[3];
    return {FanPositionFromLimit(limits.cpuFanLow),
            FanPositionFromLimit(limits.fan2Low),
            TemperaturePositionFromLimit(limits.chipsetTemperatureHigh),
            TemperaturePositionFromLimit(limits.cpuTemperatureHigh),
            SupplyPositionFromLimit(v12, limits.supply12VLow),
            SupplyPositionFromLimit(v12, limits.supply12VHigh),
            SupplyPositionFromLimit(v5, limits.supply5VLow),
            SupplyPositionFromLimit(v5, limits.supply5VHigh),
            SupplyPositionFromLimit(io, limits.ioSupplyLow),
            SupplyPositionFromLimit(io, limits.ioSupplyHigh),
            SupplyPositionFromLimit(core, limits.cpuVoltageLow),
            SupplyPositionFromLimit(core, limits.cpuVoltageHigh)};
}

}  // namespace pelmox
