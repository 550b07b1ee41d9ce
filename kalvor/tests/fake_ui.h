// A user interface that records what the monitor asked of it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "kalvor/kalvor_ui.h"

namespace kalvor {

class FakeUi final : public KalvorUi {
public:
    void ShowDriverError() override { events.push_back("driver error"); }
    void ShowInUse() override { events.push_back("in use"); }
    void EndProcess() override { events.push_back("end"); }
    void ShowReadings() override { ++readingsShown; }
    void ShowTrayAlarm(bool alarm) override { events.push_back(alarm ? "tray alarm" : "tray normal"); }
    void ShowWarningList(const WarningLines& shown) override {
        events.push_back("warnings");
        lines = shown;
        if (whileWarningShows) whileWarningShows();
    }
    void StartPollTimer() override { ++timerStarts; }
    void StopPollTimer() override { ++timerStops; }

    std::vector<std::string> events;
    WarningLines lines;
    std::function<void()> whileWarningShows;
    int readingsShown = 0;
    int timerStarts = 0;
    int timerStops = 0;
};

}  // namespace kalvor
