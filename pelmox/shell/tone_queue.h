// The PC-speaker alarm: tones queued by the alarm handling and sounded one
// after the other from the monitor view's 100 ms timer, so that no thread
// and no waiting is needed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pelmox {

// The speaker the tones are sounded on.
class Speaker {
public:
    virtual ~Speaker() = default;
    // Starts (or changes to) a steady tone of `frequency` hertz.
    virtual void On(std::int32_t frequency) = 0;
    // Silences the speaker; harmless when it is already silent.
    virtual void Off() = 0;
};

// Tones waiting to be played, sounded in the order queued without a gap
// between them. Durations are counted in timer ticks of 100 ms: a tone
// lasts its duration rounded up to a whole number of ticks, and at least
// one tick. The queue has no limit on its length; storage is reserved once
// and reused, so ticks never allocate and enqueues allocate only when more
// tones wait than ever before.
class CToneQueue {
public:
    static constexpr std::int32_t kTickMs = 100;

    explicit CToneQueue(Speaker& speaker);
    // Silences the speaker if a tone is still sounding, so that it does not
    // go on after the queue (and its owner) is gone.
    virtual ~CToneQueue();

    CToneQueue(const CToneQueue&) = delete;
    CToneQueue& operator=(const CToneQueue&) = delete;

    // Appends a tone; the next Tick starts it once those before it are done.
    void Enqueue(std::int32_t frequency, std::int32_t duration);

    // Advances the queue by one tick of 100 ms. Called once per tick
    // whether or not anything is queued; with nothing to play it only
    // switches the speaker off.
    void Tick();

    std::size_t Waiting() const { return count_; }
    // Time left for the tone now sounding, 0 when none sounds.
    std::int32_t Remaining() const { return remaining_; }

private:
    struct Tone {
        std::int32_t frequency;
        std::int32_t duration;
    };

    void Grow();

    Speaker& speaker_;
    std::vector<Tone> ring_;  // fixed size between growths; head_ is the oldest
    std::size_t head_ = 0;
    std::size_t count_ = 0;
    std::int32_t remaining_ = 0;
};

// The PC's tone hardware: channel 2 of the 8253/8254 interval timer and
// the speaker gate in the system control port.
class PortIo {
public:
    virtual ~PortIo() = default;
    virtual void Out(std::uint16_t port, std::uint8_t value) = 0;
    virtual std::uint8_t In(std::uint16_t port) = 0;
};

constexpr std::int32_t kTimerClockHz = 1193181;
constexpr std::int32_t kLowestToneHz = 17;

// The timer-2 count for a tone of `frequency` hertz. Frequencies below
// 17 Hz are taken as 17 Hz. The count is kept within what the 16-bit
// counter can hold in square-wave mode (2 to 0xFFFF), so 17 and 18 Hz give
// the lowest tone the timer makes and very high frequencies the highest,
// instead of a wrapped count sounding some unrelated pitch.
std::uint16_t TimerDivisor(std::int32_t frequency);

// A Speaker on the timer and speaker-gate ports, through `io`.
class PortSpeaker : public Speaker {
public:
    explicit PortSpeaker(PortIo& io) : io_(io) {}
    void On(std::int32_t frequency) override;
    void Off() override;

private:
    PortIo& io_;
};

}  // namespace pelmox
