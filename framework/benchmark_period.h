// A timer period that benchmarks may shorten through an environment
// variable, so that hours of ticks run in minutes. Anything but a number
// from `shortestMs` up to (not including) `normalMs` keeps `normalMs`.
#pragma once

#include <windows.h>

namespace fw {

UINT BenchmarkPeriodMs(const char* variable, UINT normalMs, UINT shortestMs);

}  // namespace fw
