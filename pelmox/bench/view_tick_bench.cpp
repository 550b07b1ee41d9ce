// The portable work of one 100 ms view tick, timed: the tone queue's
// step, the status pictures with their value read, and on every 15th
// tick the alarm evaluation. Also counts what a tick allocates.
//
//   view_tick_bench [ticks]      (valgrind --tool=callgrind for instructions)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "pelmox/core/alarm_evaluation.h"
#include "pelmox/core/status_pictures.h"
#include "pelmox/shell/tone_queue.h"

namespace {

long g_allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using namespace pelmox;

// A healthy board behind the driver, answering from memory.
class BoardDevice final : public DriverDevice {
public:
    bool Control(ControlCode code, const void*, std::uint32_t, void* output, std::uint32_t outputSize) override {
        if (code == PELMOX_READ_VALUES && outputSize == sizeof values) std::memcpy(output, &values, sizeof values);
        return true;
    }
    SensorValues values{4500, 4000, 40, 45, 12.1f, 5.0f, 3.3f, 2.0f};
};

class QuietReporter final : public DriverReporter {
public:
    void ShowMessage(const std::string&, MessageIcon) override {}
    void PostQuit() override {}
};

class NoPictures final : public PictureDisplay {
public:
    void ShowBitmap(int, int bitmap) override { last = bitmap; }
    int last = 0;
};

class SilentSpeaker final : public Speaker {
public:
    void On(std::int32_t) override {}
    void Off() override {}
};

class QuietHost final : public AlarmHost {
public:
    std::uint32_t AlarmChecks() override { return 0xFF; }
    bool PlaySoundFile(const char*) override { return true; }
    void EnqueueTone(int, int) override {}
    void ShowWarning(const std::string&, int) override {}
};

}  // namespace

int main(int argc, char** argv) {
    long ticks = argc > 1 ? std::atol(argv[1]) : 1000000;
    BoardDevice device;
    QuietReporter reporter;
    CChipsetDriver driver(&device, reporter);
    NoPictures display;
    CStatusPictures pictures(display);
    SilentSpeaker speaker;
    CToneQueue tones(speaker);
    QuietHost host;
    CAlarmEvaluator alarms(driver, host);
    WatchDogLimit limits{0, 3000, 3000, 70, 80, 11.4f, 12.6f, 4.75f, 5.25f, 3.1f, 3.5f, 1.5f, 2.2f};

    auto tick = [&](long n) {
        tones.Tick();
        pictures.UpdateStatusPictures(driver, limits, 0xFF, 0);
        if (n % 15 == 0) alarms.EvaluateAlarms({limits, 0xFF, 1});
    };
    for (long n = 1; n <= 150; ++n) tick(n);  // past the first evaluation
    long allocationsBefore = g_allocations;
    auto start = std::chrono::steady_clock::now();
    for (long n = 1; n <= ticks; ++n) tick(n);
    auto elapsed = std::chrono::steady_clock::now() - start;
    double nanoseconds = std::chrono::duration<double, std::nano>(elapsed).count() / static_cast<double>(ticks);
    std::printf("%ld view ticks: %.1f ns a tick, %ld allocations in all (last picture %d)\n", ticks, nanoseconds,
                g_allocations - allocationsBefore, display.last);
    return g_allocations == allocationsBefore ? 0 : 1;
}
