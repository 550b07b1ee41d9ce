// The program's private window messages between its windows and copies.
#pragma once

#include <windows.h>

namespace pelmox {

// The tray icon's callback to the main frame.
constexpr UINT WM_TRAYNOTIFY = 8895;
// Restore the main frame if it is minimised: posted by a second copy of
// the program and by the warning dialog's "Display" button.
constexpr UINT WM_RESTOREMAIN = 8899;

}  // namespace pelmox
