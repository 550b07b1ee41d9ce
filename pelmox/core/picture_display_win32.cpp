#include "picture_display_win32.h"

namespace pelmox {

Win32PictureDisplay::~Win32PictureDisplay() {
    for (auto& [id, bitmap] : bitmaps_)
        if (bitmap != nullptr) DeleteObject(bitmap);
}

// A bitmap that cannot be loaded is remembered as missing and leaves the
// control's picture as it was.
HBITMAP Win32PictureDisplay::Bitmap(int id) {
    auto found = bitmaps_.find(id);
    if (found != bitmaps_.end()) return found->second;
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    bitmaps_.emplace(id, bitmap);
    return bitmap;
}

void Win32PictureDisplay::ShowBitmap(int control, int bitmap) {
    HBITMAP picture = Bitmap(bitmap);
    HWND item = GetDlgItem(form_, control);
    if (picture == nullptr || item == nullptr) return;
    SendMessageA(item, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    InvalidateRect(item, nullptr, TRUE);
    UpdateWindow(item);
}

}  // namespace pelmox
