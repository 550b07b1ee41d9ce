// The modal status window: the six items with their condition.
#pragma once

#include <windows.h>

namespace ravlo {

// Opens the status window, owned by `owner`, unless it is open already.
// Returns when it is closed.
void OpenStatusWindow(HWND owner);

}  // namespace ravlo
