// Status pictures on the form's static controls. Each bitmap is loaded
// from the program's resources the first time it is shown and kept for
// the program's life, so a control never shows a released bitmap and a
// tick loads nothing.
#pragma once

#include <windows.h>

#include <map>

#include "status_pictures.h"

namespace pelmox {

class Win32PictureDisplay final : public PictureDisplay {
public:
    explicit Win32PictureDisplay(HWND form) : form_(form) {}
    ~Win32PictureDisplay();
    Win32PictureDisplay(const Win32PictureDisplay&) = delete;
    Win32PictureDisplay& operator=(const Win32PictureDisplay&) = delete;

    void ShowBitmap(int control, int bitmap) override;

private:
    HBITMAP Bitmap(int id);

    HWND form_;
    std::map<int, HBITMAP> bitmaps_;
};

}  // namespace pelmox
