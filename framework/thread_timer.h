// A thread timer: a timer of the user-interface thread that belongs to no
// window, so whichever message loop runs (a dialog's, a message box's)
// delivers its ticks.
#pragma once

#include <windows.h>

#include <functional>

namespace fw {

class CThreadTimer {
public:
    explicit CThreadTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}
    ~CThreadTimer() { Stop(); }
    CThreadTimer(const CThreadTimer&) = delete;
    CThreadTimer& operator=(const CThreadTimer&) = delete;

    // Starts (or restarts) it; false when the system grants no timer.
    bool Start(UINT periodMs);
    void Stop();
    bool Running() const { return id_ != 0; }

private:
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);

    std::function<void()> onTick_;
    UINT_PTR id_ = 0;
};

}  // namespace fw
