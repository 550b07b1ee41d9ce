#include "window_finder.h"

#include "wait.h"

namespace e2e {
namespace {

// The message text of a message box is the static control with this id.
constexpr int kMessageBoxTextId = 0xFFFF;

struct Search {
    const char* title;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    if (!IsWindowVisible(window) || WindowText(window) != search.title) return TRUE;
    if (search.className) {
        char name[256] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, search.className) != 0) return TRUE;
    }
    search.found = window;
    return FALSE;
}

HWND FindVisibleWindow(const char* title, const char* className) {
    Search search{title, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND WaitForWindow(const char* title, DWORD timeoutMs, const char* className) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindVisibleWindow(title, className)) != nullptr; }, timeoutMs);
    return found;
}

bool WaitForNoWindow(const char* title, DWORD timeoutMs) {
    return WaitUntil([&] { return FindVisibleWindow(title, nullptr) == nullptr; }, timeoutMs);
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    // Asking by message, not GetWindowTextA, also reads other processes' controls.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

std::string MessageBoxText(HWND box) {
    HWND text = GetDlgItem(box, kMessageBoxTextId);
    return text ? WindowText(text) : std::string{};
}

bool PressButton(HWND dialog, int buttonId, DWORD timeoutMs) {
    HWND button = GetDlgItem(dialog, buttonId);
    if (button == nullptr) return false;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return WaitUntil([&] { return !IsWindow(dialog); }, timeoutMs);
}

std::vector<std::string> VisibleWindowTitles() {
    std::vector<std::string> titles;
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            if (IsWindowVisible(window))
                reinterpret_cast<std::vector<std::string>*>(parameter)->push_back(WindowText(window));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&titles));
    return titles;
}

}  // namespace e2e
