// The frame's bars: a toolbar whose buttons come from one bitmap, with
// tooltips from the string table, and a status bar with indicator panes.
#pragma once

#include <windows.h>

namespace fw {

// Bar styles the frame keeps for its toolbar.
constexpr DWORD CBRS_ALIGN_TOP = 0x1000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x4000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0040;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM;

class CControlBar {
public:
    HWND Handle() const { return hwnd_; }
    DWORD GetBarStyle() const { return barStyle_; }
    void SetBarStyle(DWORD style) { barStyle_ = style; }
    // Bars dock only at the edge they were created at.
    void EnableDocking(DWORD sides) { dockingSides_ = sides; }
    bool IsVisible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_); }
    void Show(bool on) const { ShowWindow(hwnd_, on ? SW_SHOW : SW_HIDE); }
    // Height the bar takes from the frame's client area.
    int Height() const;

protected:
    CControlBar() = default;
    ~CControlBar() = default;

    HWND hwnd_ = nullptr;
    DWORD barStyle_ = 0;
    DWORD dockingSides_ = 0;
};

class CToolBar : public CControlBar {
public:
    bool Create(HWND frame, DWORD style, UINT id);
    // Buttons from the toolbar resource `id` and their pictures from the
    // bitmap of the same id.
    bool LoadToolBar(UINT id);
    // The frame's client area changed size.
    void Resize() const;
};

class CStatusBar : public CControlBar {
public:
    bool Create(HWND frame, DWORD style, UINT id);
    // The panes: the message pane (ID_SEPARATOR) and indicators whose
    // texts come from the string table.
    bool SetIndicators(const UINT* ids, int count);
    void Resize() const;
};

}  // namespace fw
