// The warning dialog's rules that need no window: the kinds of warning,
// the picture each shows step by step, the help topic of each, and the
// rule that a warning raised while one is up is dropped.
#pragma once

#include <array>

namespace pelmox {

enum WarningKind : int {
    WarnFan = 1,
    WarnTemperature = 2,
    WarnVoltage = 3,
    WarnFault = 5,
};

// Shown before the first paint: blank, background grey.
constexpr int kBlankPicture = 155;

// The help context of a kind's topic; 120 for any other kind.
int HelpContext(int kind);

// One step counter per animated kind, kept for the program's life, so a
// new warning of a kind goes on where the last one stopped. A step runs
// every 100 ms and at every repaint.
class WarningAnimation {
public:
    // Advances the kind's counter; returns the bitmap to show now, or 0
    // when this step only moves the counter (and for other kinds).
    int Step(int kind);
    int Counter(int kind) const;

private:
    std::array<int, 4> counters_{};
};

// At most one warning on screen: Show runs `dialog` unless one is already
// running, in which case the warning is dropped. True when it was shown.
class WarningGate {
public:
    template <typename Dialog>
    bool Show(Dialog&& dialog) {
        if (busy_) return false;
        busy_ = true;
        dialog();
        busy_ = false;
        return true;
    }

    bool Busy() const { return busy_; }

private:
    bool busy_ = false;
};

}  // namespace pelmox
