// The leak benchmarks' table: samples of a program's handles, GDI and USER
// objects and private bytes by tick, and the verdict on their growth.
#pragma once

#include <windows.h>

#include <functional>

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

// The samples of a leak run, printed as they are taken: the first once
// the warm-up ticks have run, then one every `reportEvery` ticks, the last
// `ticks` ticks after the first. A sample counts only when the program is
// quiet before and after it (no window of its own being made or taken
// down), so that only what stays is measured.
class LeakRun {
public:
    LeakRun(ProcessMeter& meter, long warmUpTicks, long ticks, long reportEvery);

    // The run at tick `now`: takes the sample that is due, if `quiet`
    // allows. True once the last sample is taken.
    bool Offer(long now, const std::function<bool()>& quiet);

    const LeakSample& Start() const { return start_; }
    const LeakSample& End() const { return end_; }
    double SecondsMeasured() const { return static_cast<double>(endedAt_ - startedAt_) / 1000.0; }
    // The ticks between the first and the last sample.
    long TicksMeasured() const { return end_.ticks - start_.ticks; }

private:
    ProcessMeter& meter_;
    long warmUpTicks_, ticks_, reportEvery_;
    long nextReport_;
    bool warmedUp_ = false;
    LeakSample start_, end_;
    ULONGLONG startedAt_ = 0, endedAt_ = 0;
};

}  // namespace e2e
