// The program's one top-level window: it holds the monitor view, a
// toolbar and a hidden status bar, keeps the program to one copy, parks
// itself in the bottom-right corner, hides at its first paint and lives
// on as a spinning icon in the tray. Minimising or closing only hides it.
#pragma once

#include <map>

#include "framework/frame_wnd.h"
#include "framework/menu.h"
#include "framework/tray_icon.h"
#include "frame_rules.h"
#include "private_messages.h"

namespace pelmox {

constexpr UINT kFrameTrayIconId = 1895;
// The help topic of the program as a whole.
constexpr DWORD kFrameHelpContext = 101;

class CMainFrame : public fw::CFrameWnd {
public:
    CMainFrame();

    bool OnCmdMsg(UINT id, fw::CCmdUI* state) override;

protected:
    bool PreCreateWindow(CREATESTRUCTA& create) override;
    bool OnWndMsg(UINT message, WPARAM w, LPARAM l) override;

private:
    void OnCreate(WPARAM, LPARAM);
    void OnSysCommand(WPARAM command, LPARAM);
    void OnClose(WPARAM, LPARAM);
    void OnHide();
    void OnSize(WPARAM type, LPARAM size);
    void OnRestore();
    void OnHelp();
    void OnPaint(WPARAM, LPARAM);
    void OnTimer(WPARAM, LPARAM);
    void OnQueryEndSession(WPARAM, LPARAM);
    void OnTrayNotify(WPARAM, LPARAM mouseMessage);
    void OnRestoreMain(WPARAM, LPARAM);
    void OnTaskbarCreated();

    bool CreateBars();
    void AllocateTimer();
    void FitAroundForm();
    void RestoreFrame();
    void HideFrame();
    HICON TrayPicture(int picture);

    UINT frameTimer_ = 0;
    fw::CMenu trayMenu_;
    fw::CStatusBar statusBar_;
    fw::CToolBar toolBar_;
    fw::CTrayIcon trayIcon_;
    bool ownsTrayIcon_ = false;

    bool firstSizeDone_ = false;
    bool hideAtFirstPaint_ = true;
    bool firstTimerTick_ = true;
    TrayAnimation trayAnimation_;
    std::map<int, HICON> trayPictures_;  // icon id -> loaded icon
    UINT taskbarCreated_;
};

}  // namespace pelmox
