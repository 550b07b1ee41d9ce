#include "limit_checks.h"

namespace pelmox {

bool FanOutside(float value, float lowerLimit) { return value < lowerLimit; }

bool TemperatureOutside(float value, float upperLimit) {
    // -0.0f == 0.0f, so both signs of zero take part.
    return value > upperLimit || (value == 0.0f && upperLimit == 0.0f);
}

bool SupplyOutside(float value, float lowerLimit, float upperLimit) {
    return value < lowerLimit || value > upperLimit;
}

bool IsOutsideLimits(const SensorItem& item, const SensorValues& values, const WatchDogLimit& limits) {
    const float value = values.*item.value;
    switch (item.group) {
        case ItemGroup::Fan:
            return FanOutside(value, limits.*item.lower);
        case ItemGroup::Temperature:
            return TemperatureOutside(value, limits.*item.upper);
        case ItemGroup::Supply:
            return SupplyOutside(value, limits.*item.lower, limits.*item.upper);
    }
    return false;
}

}  // namespace pelmox
