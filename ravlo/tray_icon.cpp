#include "tray_icon.h"

#include <shellapi.h>

#include "ravlo_program.h"
#include "resource_ids.h"

namespace ravlo {
namespace {

// The record as the Windows 95 shell knows it (88 bytes in 32-bit builds).
constexpr DWORD kRecordSize = NOTIFYICONDATAA_V1_SIZE;
#ifndef _WIN64
static_assert(kRecordSize == 88, "the Windows 95 shell's record");
#endif
constexpr int kTipRoom = 64;

NOTIFYICONDATAA Record(HWND window, UINT flags) {
    NOTIFYICONDATAA record{};
    record.cbSize = kRecordSize;
    record.hWnd = window;
    record.uID = TRAY_ICON_ID;
    record.uFlags = flags;
    return record;
}

// Icons from LoadIconA are shared by the module: loading one again returns
// the same handle, so replacing the tray picture releases nothing and
// leaks nothing.
void SetPicture(NOTIFYICONDATAA& record, const TrayFrame& frame) {
    record.hIcon = LoadIconA(g_ravlo.instance, MAKEINTRESOURCEA(frame.icon));
    const char* tip = frame.tooltip == Tooltip::Normal ? g_ravlo.texts->tooltipNormal : g_ravlo.texts->tooltipTooHigh;
    lstrcpynA(record.szTip, tip, kTipRoom);
}

}  // namespace

void AddTrayIcon(HWND window, const TrayFrame& frame) {
    NOTIFYICONDATAA record = Record(window, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    record.uCallbackMessage = WM_TRAYNOTIFY;
    SetPicture(record, frame);
    Shell_NotifyIconA(NIM_ADD, &record);
    g_ravlo.shownFrame = frame;
}

void ChangeTrayIcon(HWND window, const TrayFrame& frame) {
    NOTIFYICONDATAA record = Record(window, NIF_ICON | NIF_TIP);
    SetPicture(record, frame);
    Shell_NotifyIconA(NIM_MODIFY, &record);
    g_ravlo.shownFrame = frame;
}

void RemoveTrayIcon(HWND window) {
    NOTIFYICONDATAA record = Record(window, 0);
    Shell_NotifyIconA(NIM_DELETE, &record);
}

}  // namespace ravlo
