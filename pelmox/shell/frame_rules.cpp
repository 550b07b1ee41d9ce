#include "frame_rules.h"

namespace pelmox {

int InitialFrameX(ScreenSize screen) { return screen.width - 346; }

int InitialFrameY(ScreenSize screen) { return screen.height - 410; }

FrameRect FitAroundForm(int formWidth, int formHeight, const FrameMetrics& metrics, ScreenSize screen) {
    int width = formWidth + 2 * metrics.frameWidth;
    int height = formHeight + 2 * metrics.frameHeight + metrics.caption + metrics.icon + metrics.menu;
    return {screen.width - width - 20, screen.height - height - 50, width, height};
}

int TrayAnimation::Next() {
    int picture = kTrayPictures[static_cast<std::size_t>(index_)];
    index_ = (index_ + 1) % static_cast<int>(kTrayPictures.size());
    return picture;
}

}  // namespace pelmox
