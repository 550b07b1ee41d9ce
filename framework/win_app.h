// The application object: start-up steps a program overrides, the
// message loop, and the exit step.
//
//   int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return fw::RunApplication(theApp); }
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class CWinApp {
public:
    CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The first start-up step; false ends the program at once.
    virtual bool InitApplication() { return true; }
    // The second; false skips the message loop and goes to ExitInstance.
    virtual bool InitInstance() { return true; }
    // The last step; returns the process exit code.
    virtual int ExitInstance() { return exitCode_; }

    // The message loop, until WM_QUIT; then ExitInstance.
    int Run();

protected:
    ~CWinApp() = default;

    int exitCode_ = 0;
};

// Runs an application from its first step to its exit code.
int RunApplication(CWinApp& app);

// The application title: the program file's base name ("KALVOR" for
// KALVOR.EXE), the caption of the framework's message boxes.
std::string ApplicationTitle();

// A message box captioned with the application title.
int AppMessageBox(HWND owner, const std::string& text, UINT style);

}  // namespace fw
