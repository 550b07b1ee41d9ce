// The main frame's rules that need no window: where it first appears, how
// it fits around the form at the first restore, and the spinning top the
// tray icon shows, one picture a tick.
#pragma once

#include <array>

namespace pelmox {

constexpr char kProgramCaption[] = "Tavro System Hardware Monitor";

struct FrameRect {
    int x, y, width, height;
};

struct ScreenSize {
    int width, height;
};

// The frame's system metrics that the fit adds around the form.
struct FrameMetrics {
    int frameWidth;    // SM_CXFRAME
    int frameHeight;   // SM_CYFRAME
    int caption;       // SM_CYCAPTION
    int icon;          // SM_CYICON, room for the toolbar
    int menu;          // SM_CYMENU
};

// Before creation: near the bottom-right corner of the screen.
int InitialFrameX(ScreenSize screen);
int InitialFrameY(ScreenSize screen);

// The frame around a form of `formWidth` x `formHeight` pixels, its right
// edge 20 pixels from the screen's and its bottom 50 pixels above it.
FrameRect FitAroundForm(int formWidth, int formHeight, const FrameMetrics& metrics, ScreenSize screen);

// The six pictures of the spinning top, in order.
constexpr std::array<int, 6> kTrayPictures = {136, 187, 188, 189, 190, 191};

class TrayAnimation {
public:
    // The picture for this tick; the next tick shows the following one.
    int Next();

private:
    int index_ = 0;
};

}  // namespace pelmox
