// The period of pelmox's three timers: the view's tick, the frame's tray
// animation and the warning's animation, 100 ms each. Benchmarks shorten
// it with PELMOX_TIMER_PERIOD_MS (10 to 99 ms) to run hours of ticks in
// minutes.
#pragma once

#include <windows.h>

#include "framework/benchmark_period.h"

namespace pelmox {

inline UINT TimerPeriodMs() {
    constexpr UINT kTimerPeriodMs = 100;
    constexpr UINT kShortestTimerPeriodMs = 10;
    static const UINT period = fw::BenchmarkPeriodMs("PELMOX_TIMER_PERIOD_MS", kTimerPeriodMs, kShortestTimerPeriodMs);
    return period;
}

}  // namespace pelmox
