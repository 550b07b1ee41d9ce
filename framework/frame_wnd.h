// A frame window: the program's top-level window around its view, with a
// menu bar, an accelerator table and a class icon from one resource id.
// It routes commands (view, document, frame, application), greys the
// menu items nobody answers, gives toolbar tooltips their texts, lays out
// its bars and view, and ends the program when it is destroyed.
//
// A derived frame lists its messages in its own map and falls back on
// CFrameWnd::OnWndMsg; its WM_CREATE handler calls CreateFrameContent()
// where the framework's own creation (the view) belongs.
#pragma once

#include <windows.h>

#include <memory>

#include "command_target.h"
#include "control_bars.h"
#include "wnd.h"

namespace fw {

class CDocument;
class CView;

// What the document template hands to the frame it creates.
struct CCreateContext {
    CDocument* document = nullptr;
    CView* view = nullptr;
};

class CFrameWnd : public CWnd, public CCmdTarget {
public:
    CFrameWnd() = default;
    virtual ~CFrameWnd() = default;

    // Creates the window with the menu, accelerators and icon of
    // `resourceId` and the caption `title`; false when it failed.
    bool LoadFrame(UINT resourceId, const char* title, const CCreateContext& context);

    CView* GetActiveView() const { return activeView_; }
    void SetActiveView(CView* view) { activeView_ = view; }
    CDocument* GetActiveDocument() const { return context_.document; }

    // Keyboard messages first: the accelerators, then the form's
    // dialog keys (Tab, arrows). True when the message was used.
    virtual bool PreTranslateMessage(MSG& message);

    // Commands: the active view, its document, the frame's own map, the
    // application.
    bool RouteCommand(UINT id, CCmdUI* state);

    void RecalcLayout();
    void SetCaption(const char* text) const { SetWindowTextA(hwnd_, text); }

protected:
    // Changes the window's style and place before it is created.
    virtual bool PreCreateWindow(CREATESTRUCTA&) { return true; }
    // The framework's own creation: the view in the client area.
    bool CreateFrameContent();

    bool OnWndMsg(UINT message, WPARAM w, LPARAM l) override;
    // The system's default handling of the message being handled.
    LRESULT Default();

    // The framework's handlers, for derived handlers that run them first.
    void OnSize(WPARAM w, LPARAM l);
    void OnClose();

    void SetToolBar(CToolBar* bar) { toolBar_ = bar; }
    void SetStatusBar(CStatusBar* bar) { statusBar_ = bar; }
    void DockControlBar(CToolBar& bar) { toolBar_ = &bar; }

private:
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
    void OnCommandMessage(WPARAM w, LPARAM l);
    void OnInitMenuPopup(HMENU menu);
    void OnNotifyMessage(LPARAM l);

    CCreateContext context_;
    CView* activeView_ = nullptr;
    CToolBar* toolBar_ = nullptr;
    CStatusBar* statusBar_ = nullptr;
    HACCEL accelerators_ = nullptr;
    MSG current_{};
};

}  // namespace fw
