// Bounded waiting: every wait of the end-to-end tests has a deadline.
#pragma once

#include <windows.h>

#include <functional>

namespace e2e {

// Polls `done` every 20 ms until it returns true or `timeoutMs` pass.
inline bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(20);
    }
}

}  // namespace e2e
