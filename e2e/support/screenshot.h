// Screenshots of the whole (virtual) desktop, as the user would see it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Saves the screen as C:\boardsim\shots\NAME.bmp; the session harness turns
// it into NAME.png beside the session when it stops.
bool SaveScreenshot(const std::string& name);

// How many pixel columns at the right end of the taskbar, where the
// notification area shows its icons, hold anything but the taskbar's own
// colour: 0 with no icon (or a transparent one), about 16 per icon.
int TrayIconColumns();

// Waits until the notification area is empty: the shell drops the icon of
// a program that was ended a moment after the end.
bool WaitForEmptyTray(DWORD timeoutMs = 5000);

// The pixels of the notification area, to tell one tray picture from
// another; empty without a taskbar.
std::vector<DWORD> TrayPicture();

}  // namespace e2e
