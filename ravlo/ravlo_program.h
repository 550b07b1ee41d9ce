// The thermal monitor's program-wide state: one of each, for the whole run.
#pragma once

#include <windows.h>

#include "framework/tray_icon.h"
#include "language_texts.h"
#include "resource_ids.h"
#include "status_monitor.h"
#include "tray_animation.h"

namespace ravlo {

constexpr char kClassName[] = "TempTrayWClass";
constexpr char kWindowTitle[] = "CPU Thermal Monitor";

struct RavloProgram {
    HINSTANCE instance = nullptr;
    const LanguageTexts* texts = &TextsFor(Language::English);
    StatusMonitor monitor;
    TrayAnimation animation;
    fw::CTrayIcon trayIcon{TRAY_ICON_ID, WM_TRAYNOTIFY};
    TrayFrame shownFrame{};         // what the tray icon shows now
    bool statusWindowOpen = false;
    UINT taskbarCreatedMessage = 0;  // the shell's "TaskbarCreated"
};

extern RavloProgram g_ravlo;

}  // namespace ravlo
