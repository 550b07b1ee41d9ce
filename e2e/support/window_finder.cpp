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

HWND WindowOfProcess(DWORD processId, const char* className, const char* title, bool hiddenToo) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, className, title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && (hiddenToo || IsWindowVisible(window))) return window;
    }
    return nullptr;
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    // Asking by message, not GetWindowTextA, also reads other processes' controls.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

std::string WindowTextUtf8(HWND window) {
    wchar_t text[1024] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    char utf8[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

std::string DialogItemTextUtf8(HWND dialog, int control) {
    HWND item = GetDlgItem(dialog, control);
    return item ? WindowTextUtf8(item) : std::string{};
}

std::vector<HWND> VisibleWindowsOfClass(const char* className) {
    struct Search {
        const char* className;
        std::vector<HWND> found;
    } search{className, {}};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            char name[256] = {};
            GetClassNameA(window, name, sizeof name);
            if (IsWindowVisible(window) && lstrcmpA(name, s.className) == 0) s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
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

}  // namespace e2e
