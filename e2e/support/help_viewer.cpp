#include "help_viewer.h"

#include <cstring>

namespace e2e {
namespace {

constexpr char kViewerClass[] = "MS_WINHELP";

// The record WinHelp sends: its size, the command, the data, then the
// offsets of the file name and of the command's own data in the record.
#pragma pack(push, 1)
struct HelpRecord {
    WORD size;
    WORD command;
    LONG data;
    LONG reserved;
    WORD fileNameOffset;
    WORD dataOffset;
};
#pragma pack(pop)

std::optional<HelpRequest> RequestFrom(const COPYDATASTRUCT& copy) {
    if (copy.lpData == nullptr || copy.cbData < sizeof(HelpRecord)) return std::nullopt;
    HelpRecord record;
    std::memcpy(&record, copy.lpData, sizeof record);
    HelpRequest request{record.command, record.data, {}};
    if (record.fileNameOffset != 0 && record.fileNameOffset < copy.cbData) {
        const char* name = static_cast<const char*>(copy.lpData) + record.fileNameOffset;
        request.file.assign(name, strnlen(name, copy.cbData - record.fileNameOffset));
    }
    return request;
}

}  // namespace

HelpViewerStandIn::HelpViewerStandIn() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kViewerClass;
    RegisterClassA(&windowClass);
    window_ = CreateWindowA(kViewerClass, "Help stand-in", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                            windowClass.hInstance, this);
    if (window_ != nullptr) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HelpViewerStandIn::~HelpViewerStandIn() {
    if (window_ != nullptr) DestroyWindow(window_);
    UnregisterClassA(kViewerClass, GetModuleHandleA(nullptr));
}

std::optional<HelpRequest> HelpViewerStandIn::WaitForRequest(DWORD timeoutMs) {
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (requests_.empty() && GetTickCount64() < deadline) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    if (requests_.empty()) return std::nullopt;
    HelpRequest first = requests_.front();
    requests_.erase(requests_.begin());
    return first;
}

LRESULT CALLBACK HelpViewerStandIn::WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* viewer = reinterpret_cast<HelpViewerStandIn*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COPYDATA && viewer != nullptr) {
        if (auto request = RequestFrom(*reinterpret_cast<const COPYDATASTRUCT*>(l))) viewer->requests_.push_back(*request);
        return TRUE;
    }
    return DefWindowProcA(window, message, w, l);
}

}  // namespace e2e
