// Pictures on a window's static controls: the status pictures of the form
// and the warning's animation. Each bitmap is loaded from the program's
// resources the first time it is shown and kept for the display's life,
// so a tick loads nothing and a control never shows a released bitmap. A
// control is only redrawn when its picture changes: the unit marks and a
// still state cost nothing a tick.
#pragma once

#include <windows.h>

#include <map>

#include "status_pictures.h"

namespace pelmox {

class Win32PictureDisplay final : public PictureDisplay {
public:
    explicit Win32PictureDisplay(HWND window = nullptr) : window_(window) {}
    ~Win32PictureDisplay();
    Win32PictureDisplay(const Win32PictureDisplay&) = delete;
    Win32PictureDisplay& operator=(const Win32PictureDisplay&) = delete;

    // The window whose controls show the pictures from now on. Its
    // controls still show their template's pictures, released when a
    // picture of ours replaces them.
    void Attach(HWND window);
    // Takes our pictures off the window's controls before it goes, so
    // that nothing but this display ever releases them.
    void Detach();

    void ShowBitmap(int control, int bitmap) override;

private:
    HBITMAP Bitmap(int id);
    bool IsOurs(HBITMAP bitmap) const;

    HWND window_;
    std::map<int, HBITMAP> bitmaps_;  // resource id -> loaded bitmap
    std::map<int, int> shown_;        // control -> resource id it shows
};

}  // namespace pelmox
