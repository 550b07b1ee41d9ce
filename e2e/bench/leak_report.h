// The leak benchmarks' table: samples of a program's handles, GDI and USER
// objects and private bytes by tick, and the verdict on their growth.
#pragma once

#include "e2e/support/process_meter.h"

namespace e2e {

struct LeakSample {
    long ticks = 0;
    ProcessUsage usage;
};

void PrintSampleHeader();
void PrintSample(const char* label, const LeakSample& sample);

// Prints each measure's growth from `start` to `end` against its slack, and
// where the meter took the measures from; true when one grew past its
// slack.
bool ReportGrowth(const LeakSample& start, const LeakSample& end, const ProcessMeter& meter);

}  // namespace e2e
