// pelmox's monitor form over a day of 100 ms view ticks on the fake
// driver: the status pictures every tick, the display and the alarm
// evaluation every 15th, the tone queue, and a fan slowing below its limit
// for two minutes in every hour with its alarm box checked. The warnings
// come every hour, the siren drains, and the heap is the same at the end
// of each hour as at the end of the first.
#include <gtest/gtest.h>

#include "pelmox/core/monitor_form.h"
#include "pelmox/core/tests/fake_chipset.h"
#include "pelmox/core/tests/fake_form.h"
#include "pelmox/shell/tone_queue.h"
#include "simulated_day.h"

namespace pelmox {
namespace {

class CountedFailures final : public DriverReporter {
public:
    void ShowMessage(const std::string&, MessageIcon) override { ++count; }
    void PostQuit() override { ++count; }
    long count = 0;
};

class SilentSpeaker final : public Speaker {
public:
    void On(std::int32_t) override {}
    void Off() override {}
};

// The view's side of the evaluation: the CPU fan's box checked, no sound
// file, the siren into the tone queue, warnings counted and closed.
class CountingHost final : public AlarmHost {
public:
    explicit CountingHost(CToneQueue& tones) : tones_(tones) {}
    std::uint32_t AlarmChecks() override { return ITEM_CPU_FAN; }
    bool PlaySoundFile(const char*) override { return false; }
    void EnqueueTone(int hertz, int milliseconds) override { tones_.Enqueue(hertz, milliseconds); }
    void ShowWarning(const std::string&, int) override { ++warnings; }
    long warnings = 0;

private:
    CToneQueue& tones_;
};

class NoPictures final : public PictureDisplay {
    void ShowBitmap(int, int) override {}
};

struct Monitor : ChipsetParts<CountedFailures> {
    Monitor() { registry.exists = true; }
    SilentSpeaker speaker;
    CToneQueue tones{speaker};
    NoPictures display;
    CStatusPictures pictures{display};
    CountingHost host{tones};
    CAlarmEvaluator evaluator{driver, host};
    FakeForm view;
    CMonitorForm form{{settings, driver, storage, pictures, evaluator, view, [this] { tones.Tick(); }}};
};

TEST(PelmoxSoakTest, ADayOfViewTicksWithAnHourlySlowFanStaysBounded) {
    Monitor m;
    m.storage.RunStartup();
    m.settings.checkItem = ITEM_CPU_FAN;
    m.form.UpdateDisplay();
    bool slow = false;
    std::vector<soak::LiveAllocations> hourly = soak::RunDay({100, [&](long second) {
        bool fault = soak::InFault(second);
        if (fault != slow) {
            m.chipset.values.cpuFan = fault ? 1200.0f : 4500.0f;
            slow = fault;
        }
        m.form.OnTimerTick();
        // A repaint after each invalidation, as the window would do.
        if (m.view.invalidations != 0) {
            m.view.invalidations = 0;
            m.form.UpdateDisplay();
        }
        m.chipset.requests.clear();  // the fake's own record, not the program's
    }});

    EXPECT_EQ(m.reporter.count, 0);
    EXPECT_GE(m.host.warnings, 24) << "a warning in every hour";
    EXPECT_EQ(m.tones.Waiting(), 0u) << "the siren drains";
    soak::ExpectSameEveryHour(hourly);
}

}  // namespace
}  // namespace pelmox
