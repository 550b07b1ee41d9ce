// A tooltip's request for its text, in either character set: the common
// controls ask with the ANSI or the wide request depending on the window.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace fw {

inline bool IsToolTipRequest(const NMHDR& header) {
    return header.code == TTN_GETDISPINFOA || header.code == TTN_GETDISPINFOW;
}

// The control a request names by its window handle; null when the
// request names its tool by an id.
HWND RequestingWindow(const NMHDR* header);

// Answers the request `header` (a TTN_GETDISPINFO notification) with `text`.
void AnswerToolTip(NMHDR* header, const std::string& text);

}  // namespace fw
