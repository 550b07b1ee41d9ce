// A popup menu the program builds itself, destroyed with its owner object.
#pragma once

#include <windows.h>

namespace fw {

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu() {
        if (menu_ != nullptr) DestroyMenu(menu_);
    }

    bool CreatePopupMenu() { return (menu_ = ::CreatePopupMenu()) != nullptr; }
    void AppendItem(UINT id, const char* text) const { AppendMenuA(menu_, MF_STRING, id, text); }
    void AppendSeparator() const { AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr); }
    // The chosen command goes to `owner` as WM_COMMAND.
    void Track(UINT flags, int x, int y, HWND owner) const { TrackPopupMenu(menu_, flags, x, y, 0, owner, nullptr); }

    HMENU Handle() const { return menu_; }

private:
    HMENU menu_ = nullptr;
};

}  // namespace fw
