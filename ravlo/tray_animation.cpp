#include "tray_animation.h"

#include <cstdlib>

#include "resource_ids.h"

namespace ravlo {
namespace {

constexpr int kRisingSteps = 8;
constexpr int kBurstSteps = 5;
constexpr int kTopOfRise = 131;
// Before the first tick the temperature counts as too high.
constexpr int kStartTooHighIcon = 132;

}  // namespace

TrayFrame TrayAnimation::Start(bool temperatureNormal) {
    counter_ = 1;
    if (temperatureNormal) return {IDI_THERMOMETER_LOW, Tooltip::Normal};
    return {kStartTooHighIcon, Tooltip::TooHigh};
}

TrayFrame TrayAnimation::Next(bool temperatureNormal) {
    if (temperatureNormal) {
        // 128, 129, 130, 131, 130, 129, 128, 127 for counter values 1 to 8.
        counter_ = counter_ % kRisingSteps + 1;
        return {kTopOfRise - std::abs(counter_ - 4), Tooltip::Normal};
    }
    // 132 to 136, the last one transparent: the burst blinks.
    counter_ = counter_ % kBurstSteps + 1;
    return {kTopOfRise + counter_, Tooltip::TooHigh};
}

}  // namespace ravlo
