#include "picture_display_win32.h"

namespace pelmox {

Win32PictureDisplay::~Win32PictureDisplay() {
    for (auto& [id, bitmap] : bitmaps_)
        if (bitmap != nullptr) DeleteObject(bitmap);
}

void Win32PictureDisplay::Attach(HWND window) {
    window_ = window;
    shown_.clear();
}

void Win32PictureDisplay::Detach() {
    for (const auto& [control, bitmap] : shown_)
        SendDlgItemMessageA(window_, control, STM_SETIMAGE, IMAGE_BITMAP, 0);
    shown_.clear();
    window_ = nullptr;
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

bool Win32PictureDisplay::IsOurs(HBITMAP bitmap) const {
    for (const auto& [id, loaded] : bitmaps_)
        if (loaded == bitmap) return true;
    return false;
}

void Win32PictureDisplay::ShowBitmap(int control, int bitmap) {
    auto shown = shown_.find(control);
    if (shown != shown_.end() && shown->second == bitmap) return;
    HBITMAP picture = Bitmap(bitmap);
    HWND item = GetDlgItem(window_, control);
    if (picture == nullptr || item == nullptr) return;
    auto* previous = reinterpret_cast<HBITMAP>(
        SendMessageA(item, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
    if (previous != nullptr && !IsOurs(previous)) DeleteObject(previous);
    shown_[control] = bitmap;
    InvalidateRect(item, nullptr, FALSE);
    UpdateWindow(item);
}

}  // namespace pelmox
