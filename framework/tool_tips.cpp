#include "tool_tips.h"

namespace fw {

HWND RequestingWindow(const NMHDR* header) {
    UINT flags = header->code == TTN_GETDISPINFOA ? reinterpret_cast<const NMTTDISPINFOA*>(header)->uFlags
                                                  : reinterpret_cast<const NMTTDISPINFOW*>(header)->uFlags;
    return (flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(header->idFrom) : nullptr;
}

void AnswerToolTip(NMHDR* header, const std::string& text) {
    if (header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        lstrcpynA(info->szText, text.c_str(), sizeof info->szText);
        info->lpszText = info->szText;
    } else if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, info->szText, ARRAYSIZE(info->szText));
        info->szText[ARRAYSIZE(info->szText) - 1] = L'\0';
        info->lpszText = info->szText;
    }
}

}  // namespace fw
