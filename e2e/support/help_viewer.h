// A stand-in for the help viewer: a window of the viewer's class in the
// test's process, which WinHelp finds and hands its request to (a
// WM_COPYDATA with the help record), so a test sees which file and
// context a program asked for, without a help file or viewer.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct HelpRequest {
    unsigned command = 0;  // HELP_CONTEXT, ...
    long data = 0;         // the context number
    std::string file;
};

class HelpViewerStandIn {
public:
    HelpViewerStandIn();
    ~HelpViewerStandIn();
    HelpViewerStandIn(const HelpViewerStandIn&) = delete;
    HelpViewerStandIn& operator=(const HelpViewerStandIn&) = delete;

    bool Exists() const { return window_ != nullptr; }
    // Serves this thread's messages until a request comes or `timeoutMs`
    // pass; the requests in the order they came.
    std::optional<HelpRequest> WaitForRequest(DWORD timeoutMs);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);

    HWND window_ = nullptr;
    std::vector<HelpRequest> requests_;
};

}  // namespace e2e
