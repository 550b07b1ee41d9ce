// The monitor's icon in the taskbar notification area.
#pragma once

#include <windows.h>

#include "tray_animation.h"

namespace ravlo {

void AddTrayIcon(HWND window, const TrayFrame& frame);
void ChangeTrayIcon(const TrayFrame& frame);
void RemoveTrayIcon();

}  // namespace ravlo
