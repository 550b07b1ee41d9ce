// When a value counts as outside its limits. Value and limit are compared
// as the singles they are kept in.
#pragma once

#include "driver_blocks.h"
#include "sensor_items.h"

namespace pelmox {

// A fan is outside below its lower limit; equal is inside.
bool FanOutside(float value, float lowerLimit);

// A temperature is outside above its upper limit, and also when value and
// limit are both zero (of either sign).
bool TemperatureOutside(float value, float upperLimit);

// A supply is outside below its lower or above its upper limit.
bool SupplyOutside(float value, float lowerLimit, float upperLimit);

// The test of the item's group applied to its value and limits.
bool IsOutsideLimits(const SensorItem& item, const SensorValues& values, const WatchDogLimit& limits);

}  // namespace pelmox
