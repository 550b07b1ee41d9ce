#include "thread_timer.h"

#include <map>

namespace fw {
namespace {

// The running timers by the identifiers the system gave them: a thread
// timer's callback learns nothing but its identifier.
std::map<UINT_PTR, CThreadTimer*>& RunningTimers() {
    static std::map<UINT_PTR, CThreadTimer*> timers;
    return timers;
}

}  // namespace

bool CThreadTimer::Start(UINT periodMs) {
    Stop();
    id_ = SetTimer(nullptr, 0, periodMs, TimerProc);
    if (id_ != 0) RunningTimers()[id_] = this;
    return id_ != 0;
}

void CThreadTimer::Stop() {
    if (id_ == 0) return;
    KillTimer(nullptr, id_);
    RunningTimers().erase(id_);
    id_ = 0;
}

void CALLBACK CThreadTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto found = RunningTimers().find(id);
    if (found != RunningTimers().end()) found->second->onTick_();
}

}  // namespace fw
