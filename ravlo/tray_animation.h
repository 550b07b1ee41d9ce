// The tray icon's picture and tooltip, tick by tick: the thermometer's
// column rising and falling while the temperature is normal, the burst
// blinking while it is too high. One counter serves both series.
#pragma once

namespace ravlo {

enum class Tooltip { Normal, TooHigh };

struct TrayFrame {
    int icon;
    Tooltip tooltip;
};

class TrayAnimation {
public:
    // The picture when the icon is added, before any tick; the counter
    // starts at 1.
    TrayFrame Start(bool temperatureNormal);

    // The picture of the next tick.
    TrayFrame Next(bool temperatureNormal);

    int Counter() const { return counter_; }

private:
    int counter_ = 0;
};

}  // namespace ravlo
