#include "control_bars.h"

#include <commctrl.h>

#include <vector>

#include "framework_ids.h"

namespace fw {

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

// The words of a toolbar resource: version, width, height, count, ids.
std::vector<WORD> ToolbarWords(UINT id) {
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(RT_TOOLBAR_TYPE));
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(Module(), found);
    const auto* words = static_cast<const WORD*>(LockResource(loaded));
    DWORD size = SizeofResource(Module(), found) / sizeof(WORD);
    if (words == nullptr || size < 4 || words[0] != 1 || size < 4u + words[3]) return {};
    return std::vector<WORD>(words, words + 4 + words[3]);
}

constexpr int kIndicatorWidth = 40;

}  // namespace

int CControlBar::Height() const {
    if (!IsVisible()) return 0;
    RECT bar{};
    GetWindowRect(hwnd_, &bar);
    return bar.bottom - bar.top;
}

bool CToolBar::Create(HWND frame, DWORD style, UINT id) {
    DWORD windowStyle = WS_CHILD | TBSTYLE_TOOLTIPS | CCS_TOP | ((style & WS_VISIBLE) ? WS_VISIBLE : 0);
    hwnd_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, windowStyle, 0, 0, 0, 0, frame,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), Module(), nullptr);
    barStyle_ = style & ~WS_VISIBLE;
    if (hwnd_ == nullptr) return false;
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}

bool CToolBar::LoadToolBar(UINT id) {
    std::vector<WORD> words = ToolbarWords(id);
    if (words.empty()) return false;
    WORD width = words[1];
    WORD height = words[2];
    std::vector<TBBUTTON> buttons;
    int pictures = 0;
    for (std::size_t i = 4; i < words.size(); ++i) {
        TBBUTTON button{};
        if (words[i] == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
        } else {
            button.iBitmap = pictures++;
            button.idCommand = words[i];
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
        buttons.push_back(button);
    }
    SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
    TBADDBITMAP bitmap{Module(), id};
    if (SendMessageA(hwnd_, TB_ADDBITMAP, pictures, reinterpret_cast<LPARAM>(&bitmap)) < 0) return false;
    if (!SendMessageA(hwnd_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()))) return false;
    Resize();
    return true;
}

void CToolBar::Resize() const { SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0); }

bool CStatusBar::Create(HWND frame, DWORD style, UINT id) {
    DWORD windowStyle = WS_CHILD | CCS_BOTTOM | ((style & WS_VISIBLE) ? WS_VISIBLE : 0);
    hwnd_ = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, windowStyle, 0, 0, 0, 0, frame,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), Module(), nullptr);
    barStyle_ = style & ~WS_VISIBLE;
    return hwnd_ != nullptr;
}

bool CStatusBar::SetIndicators(const UINT* ids, int count) {
    if (count <= 0) return false;
    RECT bar{};
    GetClientRect(hwnd_, &bar);
    std::vector<int> rightEdges(static_cast<std::size_t>(count));
    for (int pane = count - 1, edge = -1; pane >= 0; --pane) {
        rightEdges[static_cast<std::size_t>(pane)] = edge;
        edge = (edge < 0 ? bar.right : edge) - kIndicatorWidth;
    }
    if (!SendMessageA(hwnd_, SB_SETPARTS, count, reinterpret_cast<LPARAM>(rightEdges.data()))) return false;
    for (int pane = 0; pane < count; ++pane) {
        char text[64] = "";
        LoadStringA(Module(), ids[pane] == ID_SEPARATOR ? AFX_IDS_IDLEMESSAGE : ids[pane], text, sizeof text);
        SendMessageA(hwnd_, SB_SETTEXTA, pane, reinterpret_cast<LPARAM>(text));
    }
    return true;
}

void CStatusBar::Resize() const { SendMessageA(hwnd_, WM_SIZE, 0, 0); }

}  // namespace fw
