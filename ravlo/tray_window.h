// The hidden tray window that drives the monitor.
#pragma once

#include <windows.h>

namespace ravlo {

// Registers "TempTrayWClass" with the language's menu; false on failure.
bool RegisterTrayWindowClass(HINSTANCE instance);

}  // namespace ravlo
