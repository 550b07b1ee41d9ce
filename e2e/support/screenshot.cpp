#include "screenshot.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "prefix_layout.h"
#include "wait.h"

namespace e2e {
namespace {

bool WriteBitmapFile(const std::string& path, const BITMAPINFOHEADER& info, const std::vector<BYTE>& pixels) {
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) && WriteFile(out, &info, sizeof info, &written, nullptr) &&
              WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(out);
    return ok;
}

// The screen's pixels in `area`, top-down rows of 0x00RRGGBB values.
std::vector<DWORD> CapturePixels(const RECT& area) {
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

constexpr int kTrayStripWidth = 64;

// The notification area: inside the taskbar's border, at its right end.
std::optional<RECT> TrayStrip() {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar == nullptr) return std::nullopt;
    RECT bar{};
    GetWindowRect(taskbar, &bar);
    return RECT{bar.right - kTrayStripWidth, bar.top + 3, bar.right - 2, bar.bottom - 2};
}

}  // namespace

std::vector<DWORD> TrayPicture() {
    std::optional<RECT> strip = TrayStrip();
    return strip ? CapturePixels(*strip) : std::vector<DWORD>{};
}

int TrayIconColumns() {
    std::optional<RECT> strip = TrayStrip();
    if (!strip) return -1;
    int width = strip->right - strip->left;
    int height = strip->bottom - strip->top;
    std::vector<DWORD> pixels = CapturePixels(*strip);
    DWORD background = pixels.front();
    int columns = 0;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            if (pixels[static_cast<std::size_t>(y) * width + x] != background) {
                ++columns;
                break;
            }
        }
    }
    return columns;
}

bool WaitForEmptyTray(DWORD timeoutMs) {
    return WaitUntil([] { return TrayIconColumns() == 0; }, timeoutMs);
}

bool SaveScreenshot(const std::string& name) {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    std::vector<BYTE> pixels(static_cast<std::size_t>((width * 3 + 3) & ~3) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);

    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return WriteBitmapFile(std::string(kShotsDirectory) + "\\" + name + ".bmp", info, pixels);
}

}  // namespace e2e
