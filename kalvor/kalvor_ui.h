// What the monitor's start-up, schedule and alarms need of its windows:
// the small dialogs, the main dialog's controls, the tray icon and the
// polling timer. The program implements it with real windows.
#pragma once

#include <array>
#include <string>

namespace kalvor {

constexpr int kWarningLines = 7;
using WarningLines = std::array<std::string, kWarningLines>;

class KalvorUi {
public:
    virtual void ShowDriverError() = 0;  // modal; its OK button ends the process
    virtual void ShowInUse() = 0;        // modal
    virtual void EndProcess() = 0;       // exit code 0, nothing shut down
    virtual void ShowReadings() = 0;     // the readings into the main dialog's controls
    virtual void ShowTrayAlarm(bool alarm) = 0;
    virtual void ShowWarningList(const WarningLines& lines) = 0;  // modal
    virtual void StartPollTimer() = 0;   // 1024 ms, one shot until started again
    virtual void StopPollTimer() = 0;

protected:
    ~KalvorUi() = default;
};

}  // namespace kalvor
