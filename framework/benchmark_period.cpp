#include "benchmark_period.h"

#include <cstdlib>

namespace fw {

UINT BenchmarkPeriodMs(const char* variable, UINT normalMs, UINT shortestMs) {
    char text[16] = {};
    DWORD length = GetEnvironmentVariableA(variable, text, sizeof text);
    if (length == 0 || length >= sizeof text) return normalMs;
    char* end = nullptr;
    unsigned long period = std::strtoul(text, &end, 10);
    if (end == text || *end != '\0') return normalMs;
    return period >= shortestMs && period < normalMs ? static_cast<UINT>(period) : normalMs;
}

}  // namespace fw
