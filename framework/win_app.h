// The application object: start-up steps a program overrides, the
// message loop, and the exit step. A document program also registers its
// document template, carries out its command line, keeps the recent-file
// list in its profile file and answers the application's commands.
//
//   int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return fw::RunApplication(theApp); }
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "command_target.h"
#include "shell_command.h"

namespace fw {

class CDocTemplate;
class CFrameWnd;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The first start-up step; false ends the program at once.
    virtual bool InitApplication() { return true; }
    // The second; false skips the message loop and goes to ExitInstance.
    virtual bool InitInstance() { return true; }
    // The last step: writes the profile settings back; returns the process
    // exit code.
    virtual int ExitInstance();

    // The message loop, until WM_QUIT; then ExitInstance.
    int Run();

    // The frame that is the program's main window, once there is one.
    CFrameWnd* MainFrame() const { return mainFrame_; }
    void SetMainFrame(CFrameWnd* frame) { mainFrame_ = frame; }
    // How the system asked the first window to be shown.
    int CmdShow() const { return cmdShow_; }

    // ID_APP_EXIT closes the main frame; the recent-file entry is greyed
    // while the list is empty.
    bool OnCmdMsg(UINT id, CCmdUI* state) override;

    // Opens the program's help file (the program's path with ".HLP").
    void WinHelp(DWORD data, UINT command = HELP_CONTEXT) const;

protected:
    ~CWinApp();

    // Dialogs and common controls with the system's three-dimensional look.
    void Enable3dControls();
    // Reads the recent-file list (up to `count` entries) from the profile
    // file named after the program.
    void LoadStdProfileSettings(int count);
    void AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate);
    ShellCommand ParseCommandLine() const;
    // A new document, or the named file opened; false when that failed.
    bool ProcessShellCommand(const ShellCommand& command);

    int exitCode_ = 0;

private:
    void AddToRecentFiles(const std::string& path);

    CFrameWnd* mainFrame_ = nullptr;
    int cmdShow_ = SW_SHOWDEFAULT;
    std::unique_ptr<CDocTemplate> docTemplate_;
    std::vector<std::string> recentFiles_;
    int recentFileCount_ = 0;
};

// The program's one application object.
CWinApp* TheApp();

// The main frame's window; null without one.
HWND MainWindow();

// Runs an application from its first step to its exit code.
int RunApplication(CWinApp& app);

// The application title: the program file's base name ("KALVOR" for
// KALVOR.EXE), the caption of the framework's message boxes.
std::string ApplicationTitle();

// A message box captioned with the application title.
int AppMessageBox(HWND owner, const std::string& text, UINT style);

}  // namespace fw
