// Finding the windows a program shows and reading and pressing them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A visible top-level window with this title (and class, when given),
// waited for up to `timeoutMs`; nullptr when none appears.
HWND WaitForWindow(const char* title, DWORD timeoutMs, const char* className = nullptr);

// A top-level window of this process with this class and title, shown or
// (with `hiddenToo`) not yet or no longer shown; nullptr when there is none.
HWND WindowOfProcess(DWORD processId, const char* className, const char* title, bool hiddenToo = false);

std::string WindowText(HWND window);

// The text as UTF-8, whatever the code page of the window's program.
std::string WindowTextUtf8(HWND window);
std::string DialogItemTextUtf8(HWND dialog, int control);

// Visible top-level windows of a class, in any title.
std::vector<HWND> VisibleWindowsOfClass(const char* className);

// The message text of a message box (its static control).
std::string MessageBoxText(HWND box);

// Presses a dialog button as a click would, and waits for the box to go.
bool PressButton(HWND dialog, int buttonId, DWORD timeoutMs = 5000);

}  // namespace e2e
