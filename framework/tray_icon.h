// One icon of a window in the taskbar notification area. The shell sends
// the window `callbackMessage` with the icon's id and the mouse message.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class CTrayIcon {
public:
    CTrayIcon(UINT id, UINT callbackMessage) : id_(id), callbackMessage_(callbackMessage) {}

    // The tip is cut to the 63 characters the shell keeps.
    void Add(HWND window, HICON icon, const std::string& tip);
    void Change(HICON icon, const std::string& tip);
    void Remove();

    UINT Id() const { return id_; }
    UINT CallbackMessage() const { return callbackMessage_; }

private:
    UINT id_;
    UINT callbackMessage_;
    HWND window_ = nullptr;
};

}  // namespace fw
