#include "pelmox/shell/tone_queue.h"

#include <algorithm>

namespace pelmox {

namespace {

// Enough for the alarm siren queued twice before a tick drains it.
constexpr std::size_t kInitialCapacity = 16;

constexpr std::uint16_t kTimerControlPort = 0x43;
constexpr std::uint16_t kTimer2Port = 0x42;
constexpr std::uint16_t kSystemControlPort = 0x61;
// Counter 2, low byte then high byte, mode 3 (square wave), binary.
constexpr std::uint8_t kTimer2SquareWave = 0xB6;
// Timer 2 gate and speaker data.
constexpr std::uint8_t kSpeakerBits = 0x03;

}  // namespace

CToneQueue::CToneQueue(Speaker& speaker) : speaker_(speaker), ring_(kInitialCapacity) {}

CToneQueue::~CToneQueue() {
    if (remaining_ > 0) speaker_.Off();
}

void CToneQueue::Enqueue(std::int32_t frequency, std::int32_t duration) {
    if (count_ == ring_.size()) Grow();
    ring_[(head_ + count_) % ring_.size()] = Tone{frequency, duration};
    ++count_;
}

void CToneQueue::Tick() {
    if (remaining_ > kTickMs) {
        remaining_ -= kTickMs;
        return;
    }
    remaining_ = 0;
    speaker_.Off();
    if (count_ == 0) return;

    const Tone tone = ring_[head_];
    head_ = (head_ + 1) % ring_.size();
    --count_;
    // A duration of a tick or less (or a nonsensical negative one) still
    // sounds for this one tick; the next Tick ends it.
    remaining_ = std::max(tone.duration, std::int32_t{0});
    speaker_.On(tone.frequency);
}

void CToneQueue::Grow() {
    std::vector<Tone> bigger(ring_.size() * 2);
    for (std::size_t i = 0; i < count_; ++i) bigger[i] = ring_[(head_ + i) % ring_.size()];
    ring_.swap(bigger);
    head_ = 0;
}

std::uint16_t TimerDivisor(std::int32_t frequency) {
    const std::int32_t hz = std::max(frequency, kLowestToneHz);
    const std::int32_t divisor = std::clamp(kTimerClockHz / hz, std::int32_t{2}, std::int32_t{0xFFFF});
    return static_cast<std::uint16_t>(divisor);
}

void PortSpeaker::On(std::int32_t frequency) {
    const std::uint16_t divisor = TimerDivisor(frequency);
    io_.Out(kTimerControlPort, kTimer2SquareWave);
    io_.Out(kTimer2Port, static_cast<std::uint8_t>(divisor & 0xFF));
    io_.Out(kTimer2Port, static_cast<std::uint8_t>(divisor >> 8));
    io_.Out(kSystemControlPort, static_cast<std::uint8_t>(io_.In(kSystemControlPort) | kSpeakerBits));
}

void PortSpeaker::Off() {
    io_.Out(kSystemControlPort, static_cast<std::uint8_t>(io_.In(kSystemControlPort) & ~kSpeakerBits));
}

}  // namespace pelmox
