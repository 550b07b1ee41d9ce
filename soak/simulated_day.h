// A day of a monitor's ticks, compressed: the ticks of 24 hours at the
// monitor's period, with a fault scripted into each hour, and the heap
// sampled at the same moment of every hour.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "live_allocations.h"

namespace soak {

constexpr long kSecondsPerDay = 24 * 60 * 60;

struct DayOfTicks {
    long periodMs;
    // Called for every tick with the second of the day it falls in.
    std::function<void(long second)> tick;
};

// Runs the day; the heap after each hour's last tick, 24 samples.
inline std::vector<LiveAllocations> RunDay(const DayOfTicks& day) {
    std::vector<LiveAllocations> hourly;
    hourly.reserve(24);
    const long ticksPerHour = 3600L * 1000 / day.periodMs;
    for (long hour = 0; hour < 24; ++hour) {
        for (long t = 0; t < ticksPerHour; ++t) day.tick(hour * 3600 + t * day.periodMs / 1000);
        hourly.push_back(LiveNow());
    }
    return hourly;
}

// A fault in each hour: from minute 20 to minute 22 of it.
inline bool InFault(long second) {
    long inHour = second % 3600;
    return inHour >= 20 * 60 && inHour < 22 * 60;
}

// The heap at every hour's end is what it was at the first hour's end.
inline void ExpectSameEveryHour(const std::vector<LiveAllocations>& hourly) {
    ASSERT_EQ(hourly.size(), 24u);
    for (std::size_t hour = 1; hour < hourly.size(); ++hour) {
        EXPECT_EQ(hourly[hour].blocks, hourly[0].blocks) << "hour " << hour + 1;
        EXPECT_EQ(hourly[hour].bytes, hourly[0].bytes) << "hour " << hour + 1;
    }
}

}  // namespace soak
