#include "warning_animation.h"

namespace pelmox {
namespace {

// A kind's steps: at counter value `at`, show `bitmap` (0: none), then
// go on at `next`.
struct AnimationStep {
    int at;
    int bitmap;
    int next;
};

// Four pictures of 200 ms: a fan with tools and smoke.
constexpr AnimationStep kFanSteps[] = {{0, 148, 2}, {2, 0, 3}, {3, 168, 4}, {4, 0, 5},
                                       {5, 167, 6}, {6, 0, 7}, {7, 168, 8}, {8, 0, 0}};
// Three pictures of 200 ms: an overheating computer.
constexpr AnimationStep kTemperatureSteps[] = {{0, 150, 2}, {2, 0, 3}, {3, 163, 4},
                                               {4, 0, 5},   {5, 164, 6}, {6, 0, 0}};
// Three pictures of 200 ms: a computer with a battery and power lines.
constexpr AnimationStep kVoltageSteps[] = {{0, 149, 2}, {2, 0, 3}, {3, 165, 4},
                                           {4, 0, 5},   {5, 166, 6}, {6, 0, 0}};
// A first-aid bag: 400 ms, then 500 ms.
constexpr AnimationStep kFaultSteps[] = {{0, 181, 1}, {1, 0, 2}, {2, 0, 3}, {3, 0, 4}, {4, 182, 5},
                                         {5, 0, 6},   {6, 0, 7}, {7, 0, 8}, {8, 0, 0}};

struct KindAnimation {
    const AnimationStep* steps;
    int count;
};

// The counter slot of an animated kind, or -1.
int Slot(int kind) {
    switch (kind) {
    case WarnFan: return 0;
    case WarnTemperature: return 1;
    case WarnVoltage: return 2;
    case WarnFault: return 3;
    default: return -1;
    }
}

template <int N>
constexpr KindAnimation Of(const AnimationStep (&steps)[N]) {
    return {steps, N};
}

constexpr KindAnimation kAnimations[] = {Of(kFanSteps), Of(kTemperatureSteps), Of(kVoltageSteps), Of(kFaultSteps)};

}  // namespace

int HelpContext(int kind) {
    switch (kind) {
    case WarnFan: return 121;
    case WarnTemperature: return 122;
    case WarnVoltage: return 123;
    case WarnFault: return 124;
    default: return 120;
    }
}

int WarningAnimation::Step(int kind) {
    int slot = Slot(kind);
    if (slot < 0) return 0;
    int& counter = counters_[static_cast<std::size_t>(slot)];
    const KindAnimation& animation = kAnimations[slot];
    for (int i = 0; i < animation.count; ++i) {
        const AnimationStep& step = animation.steps[i];
        if (step.at != counter) continue;
        counter = step.next;
        return step.bitmap;
    }
    counter = 0;  // never happens: every value a counter takes is listed
    return 0;
}

int WarningAnimation::Counter(int kind) const {
    int slot = Slot(kind);
    return slot < 0 ? 0 : counters_[static_cast<std::size_t>(slot)];
}

}  // namespace pelmox
