// A view: the window inside a frame that shows a document. A form view is
// laid out by a dialog template, created as a child dialog filling the
// frame's client area; it keeps the template's size as its total size.
#pragma once

#include <windows.h>

#include "command_target.h"
#include "wnd.h"

namespace fw {

class CDocument;

class CView : public CWnd, public CCmdTarget {
public:
    virtual ~CView() = default;

    CDocument* GetDocument() const { return document_; }
    void SetDocument(CDocument* document) { document_ = document; }

    // Creates the window as a child of `frame` with the given control id.
    virtual bool Create(HWND frame, int id) = 0;
    // After the frame and view exist, before the frame is shown.
    virtual void OnInitialUpdate() {}

protected:
    // Paints the view; the framework's WM_PAINT calls it between
    // BeginPaint and EndPaint.
    virtual void OnDraw(HDC) {}

private:
    CDocument* document_ = nullptr;
};

class CFormView : public CView {
public:
    explicit CFormView(int templateId) : templateId_(templateId) {}

    bool Create(HWND frame, int id) override;

    // The form's size in pixels, as the template lays it out.
    SIZE GetTotalSize() const { return totalSize_; }
    // A total of 0 x 0 means no scrolling at all: no scroll bars.
    void SetScrollSizes(int mapMode, SIZE total);

    // Tooltips for every control of the form: each asks the view for its
    // text with TTN_NEEDTEXT, naming its tool by window handle.
    void EnableToolTips();

protected:
    // The window exists, before its controls are initialised; false fails
    // the creation. (A dialog procedure never sees WM_CREATE.)
    virtual bool OnCreate() { return true; }

    // WM_PAINT: OnDraw.
    bool OnWndMsg(UINT message, WPARAM w, LPARAM l) override;

private:
    static INT_PTR CALLBACK FormProc(HWND window, UINT message, WPARAM w, LPARAM l);
    void OnPaint();

    int templateId_;
    SIZE totalSize_{};
    HWND toolTips_ = nullptr;
};

}  // namespace fw
