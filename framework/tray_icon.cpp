#include "tray_icon.h"

#include <shellapi.h>

namespace fw {
namespace {

// The record as the Windows 95 shell knows it (88 bytes in 32-bit builds).
constexpr DWORD kRecordSize = NOTIFYICONDATAA_V1_SIZE;
#ifndef _WIN64
static_assert(kRecordSize == 88, "the Windows 95 shell's record");
#endif
constexpr int kTipRoom = 64;

NOTIFYICONDATAA Record(HWND window, UINT id, UINT flags) {
    NOTIFYICONDATAA record{};
    record.cbSize = kRecordSize;
    record.hWnd = window;
    record.uID = id;
    record.uFlags = flags;
    return record;
}

void SetPicture(NOTIFYICONDATAA& record, HICON icon, const std::string& tip) {
    record.hIcon = icon;
    lstrcpynA(record.szTip, tip.c_str(), kTipRoom);
}

}  // namespace

void CTrayIcon::Add(HWND window, HICON icon, const std::string& tip) {
    window_ = window;
    NOTIFYICONDATAA record = Record(window_, id_, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    record.uCallbackMessage = callbackMessage_;
    SetPicture(record, icon, tip);
    Shell_NotifyIconA(NIM_ADD, &record);
}

void CTrayIcon::Change(HICON icon, const std::string& tip) {
    if (window_ == nullptr) return;
    NOTIFYICONDATAA record = Record(window_, id_, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    record.uCallbackMessage = callbackMessage_;
    SetPicture(record, icon, tip);
    Shell_NotifyIconA(NIM_MODIFY, &record);
}

void CTrayIcon::Remove() {
    if (window_ == nullptr) return;
    NOTIFYICONDATAA record = Record(window_, id_, 0);
    Shell_NotifyIconA(NIM_DELETE, &record);
    window_ = nullptr;
}

}  // namespace fw
