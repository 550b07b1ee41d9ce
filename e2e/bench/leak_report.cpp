#include "leak_report.h"

#include <cstdio>
#include <string>

namespace e2e {
namespace {

// What a measure may grow by without counting as a leak: a handle or an
// object that the system hands out lazily now and then, and heap that a
// fragmented allocator takes in whole pages.
constexpr long long kHandleSlack = 4;
constexpr long long kGdiSlack = 4;
constexpr long long kUserSlack = 4;
constexpr long long kPrivateBytesSlack = 128 * 1024;

long long Growth(unsigned long long end, unsigned long long start) {
    return static_cast<long long>(end) - static_cast<long long>(start);
}

// The sources, indented under the table.
void PrintSources(const std::string& sources) {
    std::size_t start = 0;
    for (std::size_t end; (end = sources.find('\n', start)) != std::string::npos; start = end + 1)
        std::printf("    %s\n", sources.substr(start, end - start).c_str());
}

}  // namespace

void PrintSampleHeader() {
    std::printf("  %-13s %6s %8s %8s %8s %14s\n", "", "tick", "handles", "GDI", "USER", "private bytes");
}

void PrintSample(const char* label, const LeakSample& s) {
    std::printf("  %-13s %6ld %8llu %8llu %8llu %14llu\n", label, s.ticks, s.usage.handles, s.usage.gdiObjects,
                s.usage.userObjects, s.usage.privateBytes);
    std::fflush(stdout);
}

bool ReportGrowth(const LeakSample& start, const LeakSample& end, const ProcessMeter& meter) {
    struct Check {
        const char* name;
        long long growth, slack;
    } checks[] = {
        {"handles", Growth(end.usage.handles, start.usage.handles), kHandleSlack},
        {"GDI objects", Growth(end.usage.gdiObjects, start.usage.gdiObjects), kGdiSlack},
        {"USER objects", Growth(end.usage.userObjects, start.usage.userObjects), kUserSlack},
        {"private bytes", Growth(end.usage.privateBytes, start.usage.privateBytes), kPrivateBytesSlack},
    };
    bool leaked = false;
    for (const Check& check : checks) {
        bool over = check.growth > check.slack;
        std::printf("  %-14s grew by %lld (slack %lld)%s\n", check.name, check.growth, check.slack,
                    over ? "  LEAK" : "");
        leaked = leaked || over;
    }
    std::printf("  measured as:\n");
    PrintSources(meter.Sources());
    return leaked;
}

LeakRun::LeakRun(ProcessMeter& meter, long warmUpTicks, long ticks, long reportEvery)
    : meter_(meter),
      warmUpTicks_(warmUpTicks),
      ticks_(ticks),
      reportEvery_(reportEvery),
      nextReport_(warmUpTicks + reportEvery) {}

bool LeakRun::Offer(long now, const std::function<bool()>& quiet) {
    bool last = warmedUp_ && now >= warmUpTicks_ + ticks_;
    bool due = !warmedUp_ ? now >= warmUpTicks_ : last || now >= nextReport_;
    if (!due || !quiet()) return false;
    LeakSample sample{now, meter_.Measure()};
    if (!quiet()) return false;
    if (!warmedUp_) {
        start_ = sample;
        warmedUp_ = true;
        startedAt_ = GetTickCount64();
        PrintSample("after warm-up", start_);
        return false;
    }
    if (last) {
        end_ = sample;
        endedAt_ = GetTickCount64();
        PrintSample("at the end", end_);
        return true;
    }
    PrintSample("", sample);
    nextReport_ += reportEvery_;
    return false;
}

}  // namespace e2e
