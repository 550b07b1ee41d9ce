#include "tray_icon.h"

#include "ravlo_program.h"
#include "resource_ids.h"

namespace ravlo {
namespace {

// Icons from LoadIconA are shared by the module: loading one again returns
// the same handle, so replacing the tray picture releases nothing and
// leaks nothing.
HICON Picture(const TrayFrame& frame) { return LoadIconA(g_ravlo.instance, MAKEINTRESOURCEA(frame.icon)); }

const char* Tip(const TrayFrame& frame) {
    return frame.tooltip == Tooltip::Normal ? g_ravlo.texts->tooltipNormal : g_ravlo.texts->tooltipTooHigh;
}

}  // namespace

void AddTrayIcon(HWND window, const TrayFrame& frame) {
    g_ravlo.trayIcon.Add(window, Picture(frame), Tip(frame));
    g_ravlo.shownFrame = frame;
}

void ChangeTrayIcon(const TrayFrame& frame) {
    g_ravlo.trayIcon.Change(Picture(frame), Tip(frame));
    g_ravlo.shownFrame = frame;
}

void RemoveTrayIcon() { g_ravlo.trayIcon.Remove(); }

}  // namespace ravlo
