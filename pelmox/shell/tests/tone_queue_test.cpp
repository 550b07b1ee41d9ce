// The tone queue: what the speaker sounds tick by tick, the rounding of
// durations to ticks, tones queued while others play, idle ticks, and the
// port sequence that sounds a tone on a PC.
#include "pelmox/shell/tone_queue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <utility>
#include <vector>

// Counts allocations made while `g_counting` is set, to show that ticks
// and enqueues within the reserved storage allocate nothing.
namespace {
bool g_counting = false;
int g_allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (g_counting) ++g_allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace pelmox {
namespace {

// Remembers every call, and what the speaker sounds (0: silent).
class RecordingSpeaker : public Speaker {
public:
    void On(std::int32_t frequency) override {
        sounding = frequency;
        calls.push_back("on " + std::to_string(frequency));
    }
    void Off() override {
        sounding = 0;
        calls.push_back("off");
    }

    std::int32_t sounding = 0;
    std::vector<std::string> calls;
};

struct Tone {
    std::int32_t frequency;
    std::int32_t duration;
};

// A stretch of the timeline: `frequency` (0: silence) for `ticks` ticks.
struct Stretch {
    std::int32_t frequency;
    int ticks;
};

std::vector<std::int32_t> Expand(const std::vector<Stretch>& runs) {
    std::vector<std::int32_t> ticks;
    for (const Stretch& run : runs) ticks.insert(ticks.end(), static_cast<std::size_t>(run.ticks), run.frequency);
    return ticks;
}

// What the speaker sounds after each of `n` ticks.
std::vector<std::int32_t> Listen(CToneQueue& queue, RecordingSpeaker& speaker, std::size_t n) {
    std::vector<std::int32_t> heard;
    for (std::size_t i = 0; i < n; ++i) {
        queue.Tick();
        heard.push_back(speaker.sounding);
    }
    return heard;
}

const std::vector<Tone> kSiren = {{400, 600}, {800, 400}, {400, 500}, {800, 400}, {400, 500}, {800, 400}};
const std::vector<Stretch> kSirenStretches = {{400, 6}, {800, 4}, {400, 5}, {800, 4}, {400, 5}, {800, 4}};

std::vector<Tone> Twice(std::vector<Tone> tones) {
    const std::vector<Tone> copy = tones;
    tones.insert(tones.end(), copy.begin(), copy.end());
    return tones;
}

std::vector<Stretch> Then(std::vector<Stretch> a, const std::vector<Stretch>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ToneQueueTest, TonesQueuedOnAnIdleQueueSoundFromTheNextTickInOrder) {
    struct Case {
        const char* what;
        std::vector<Tone> tones;
        std::vector<Stretch> heard;  // from the first tick; silence follows
    };
    const Case cases[] = {
        {"two tones", {{400, 600}, {800, 400}}, {{400, 6}, {800, 4}}},
        {"the siren", kSiren, kSirenStretches},
        {"the siren twice", Twice(kSiren), Then(kSirenStretches, kSirenStretches)},
        {"250 ms rounds up to three ticks", {{500, 250}}, {{500, 3}}},
        {"101 ms rounds up to two ticks", {{500, 101}}, {{500, 2}}},
        {"199 and 200 ms both take two ticks", {{500, 199}, {600, 200}}, {{500, 2}, {600, 2}}},
        {"100 ms and less sound one tick", {{500, 100}, {600, 99}, {700, 1}}, {{500, 1}, {600, 1}, {700, 1}}},
        {"zero and negative durations still sound one tick", {{500, 0}, {600, -300}}, {{500, 1}, {600, 1}}},
        {"the same tone twice is played twice", {{400, 200}, {400, 200}}, {{400, 4}}},
        {"more tones than the storage first holds",
         std::vector<Tone>(40, Tone{440, 100}),
         {{440, 40}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingSpeaker speaker;
        CToneQueue queue(speaker);
        for (const Tone& tone : c.tones) queue.Enqueue(tone.frequency, tone.duration);
        EXPECT_EQ(speaker.sounding, 0) << "queuing alone must not start a tone";
        EXPECT_TRUE(speaker.calls.empty());

        const std::vector<std::int32_t> expected = Expand(Then(c.heard, {{0, 5}}));
        EXPECT_EQ(Listen(queue, speaker, expected.size()), expected);
        EXPECT_EQ(queue.Waiting(), 0u);
        EXPECT_EQ(queue.Remaining(), 0);
    }
}

TEST(ToneQueueTest, OneToneFollowsAnotherInTheSameTickWithoutAGap) {
    RecordingSpeaker speaker;
    CToneQueue queue(speaker);
    queue.Enqueue(400, 200);
    queue.Enqueue(800, 100);
    queue.Tick();
    queue.Tick();
    EXPECT_EQ(speaker.calls, (std::vector<std::string>{"off", "on 400"}));
    speaker.calls.clear();
    queue.Tick();  // 400 Hz ends and 800 Hz begins here
    EXPECT_EQ(speaker.calls, (std::vector<std::string>{"off", "on 800"}));
    speaker.calls.clear();
    queue.Tick();
    EXPECT_EQ(speaker.calls, (std::vector<std::string>{"off"}));
}

TEST(ToneQueueTest, TonesQueuedWhilePlayingFollowTheOnesBefore) {
    struct Case {
        const char* what;
        int ticksBefore;  // ticks after the first two tones are queued
        std::vector<Stretch> heard;  // over the whole run, from the first tick
    };
    // 400 Hz 300 ms and 800 Hz 200 ms queued at first; 600 Hz 200 ms later.
    const Case cases[] = {
        {"during the first tone", 1, {{400, 3}, {800, 2}, {600, 2}, {0, 3}}},
        {"in the last tick of the last tone", 5, {{400, 3}, {800, 2}, {600, 2}, {0, 3}}},
        {"after the queue ran dry", 7, {{400, 3}, {800, 2}, {0, 2}, {600, 2}, {0, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingSpeaker speaker;
        CToneQueue queue(speaker);
        queue.Enqueue(400, 300);
        queue.Enqueue(800, 200);
        const std::vector<std::int32_t> expected = Expand(c.heard);
        std::vector<std::int32_t> heard = Listen(queue, speaker, static_cast<std::size_t>(c.ticksBefore));
        queue.Enqueue(600, 200);
        const std::vector<std::int32_t> rest = Listen(queue, speaker, expected.size() - heard.size());
        heard.insert(heard.end(), rest.begin(), rest.end());
        EXPECT_EQ(heard, expected);
    }
}

TEST(ToneQueueTest, OrderHoldsWhenTheStorageWrapsAndGrowsWhilePlaying) {
    RecordingSpeaker speaker;
    CToneQueue queue(speaker);
    std::vector<std::int32_t> expected;
    std::int32_t next = 100;
    auto enqueue = [&](int n) {
        for (int i = 0; i < n; ++i, ++next) {
            queue.Enqueue(next, 100);
            expected.push_back(next);
        }
    };
    enqueue(10);
    std::vector<std::int32_t> heard = Listen(queue, speaker, 7);
    enqueue(30);  // wraps past the end of the first storage, then outgrows it
    const std::vector<std::int32_t> rest = Listen(queue, speaker, expected.size() - heard.size());
    heard.insert(heard.end(), rest.begin(), rest.end());
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(queue.Waiting(), 0u);
}

TEST(ToneQueueTest, AnIdleTickOnlySwitchesTheSpeakerOffAndAllocatesNothing) {
    RecordingSpeaker speaker;
    CToneQueue queue(speaker);
    speaker.calls.reserve(64);
    g_allocations = 0;
    g_counting = true;
    for (int i = 0; i < 20; ++i) queue.Tick();
    g_counting = false;
    EXPECT_EQ(g_allocations, 0);
    EXPECT_EQ(speaker.calls, std::vector<std::string>(20, "off"));
    EXPECT_EQ(speaker.sounding, 0);
}

TEST(ToneQueueTest, PlayingTheSirenTwiceAllocatesNothingInTheQueue) {
    // A speaker that records nothing, so that only the queue can allocate.
    class QuietSpeaker : public Speaker {
    public:
        void On(std::int32_t) override {}
        void Off() override {}
    } speaker;
    CToneQueue queue(speaker);
    for (int round = 0; round < 3; ++round) {
        g_allocations = 0;
        g_counting = true;
        for (int i = 0; i < 2; ++i)
            for (const Tone& tone : kSiren) queue.Enqueue(tone.frequency, tone.duration);
        for (int i = 0; i < 60; ++i) queue.Tick();
        g_counting = false;
        EXPECT_EQ(g_allocations, 0) << "round " << round;
        EXPECT_EQ(queue.Waiting(), 0u);
    }
}

TEST(ToneQueueTest, DestroyingTheQueueSilencesASoundingTone) {
    RecordingSpeaker speaker;
    {
        CToneQueue queue(speaker);
        queue.Enqueue(400, 600);
        queue.Tick();
        ASSERT_EQ(speaker.sounding, 400);
    }
    EXPECT_EQ(speaker.sounding, 0);

    speaker.calls.clear();
    { CToneQueue idle(speaker); }
    EXPECT_TRUE(speaker.calls.empty()) << "nothing to silence";
}

TEST(TimerDivisorTest, CountsOfTheTimerClockWithinTheCounterRange) {
    struct Case {
        std::int32_t frequency;
        std::uint16_t divisor;
    };
    const Case cases[] = {
        {400, 2982},       // 1193181 / 400
        {800, 1491},
        {19, 62799},       // the lowest that fits the counter as is
        {18, 0xFFFF},      // 66287 does not fit: the lowest tone instead
        {17, 0xFFFF},
        {16, 0xFFFF},      // below 17 Hz: taken as 17 Hz
        {0, 0xFFFF},
        {-400, 0xFFFF},
        {596590, 2},
        {1193181, 2},      // a count of 1 is not allowed in square-wave mode
        {2000000, 2},      // a count of 0 would mean 65536, the lowest tone
    };
    for (const Case& c : cases) EXPECT_EQ(TimerDivisor(c.frequency), c.divisor) << c.frequency << " Hz";
}

// The ports as a PC's: remembers writes and answers reads of 0x61.
class FakePorts : public PortIo {
public:
    void Out(std::uint16_t port, std::uint8_t value) override {
        log.push_back({port, value});
        if (port == 0x61) systemControl = value;
    }
    std::uint8_t In(std::uint16_t port) override {
        EXPECT_EQ(port, 0x61);
        return systemControl;
    }

    std::uint8_t systemControl = 0;
    std::vector<std::pair<std::uint16_t, std::uint8_t>> log;
};

TEST(PortSpeakerTest, ProgramsTimer2AndSwitchesOnlyTheSpeakerBits) {
    using Writes = std::vector<std::pair<std::uint16_t, std::uint8_t>>;
    FakePorts ports;
    ports.systemControl = 0xB0;  // other bits of the port must stay as they are
    PortSpeaker speaker(ports);

    speaker.On(400);  // count 2982 = 0x0BA6
    EXPECT_EQ(ports.log, (Writes{{0x43, 0xB6}, {0x42, 0xA6}, {0x42, 0x0B}, {0x61, 0xB3}}));

    ports.log.clear();
    speaker.Off();
    EXPECT_EQ(ports.log, (Writes{{0x61, 0xB0}}));

    ports.log.clear();
    ports.systemControl = 0xFF;
    speaker.Off();
    EXPECT_EQ(ports.log, (Writes{{0x61, 0xFC}}));
}

}  // namespace
}  // namespace pelmox
