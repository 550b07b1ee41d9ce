#include "win_app.h"

#include "framework_texts.h"

namespace fw {

int CWinApp::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (message.message == WM_QUIT) exitCode_ = static_cast<int>(message.wParam);
    return ExitInstance();
}

int RunApplication(CWinApp& app) {
    if (!app.InitApplication()) return 0;
    if (!app.InitInstance()) return app.ExitInstance();
    return app.Run();
}

std::string ApplicationTitle() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return "Application";
    return TitleFromModulePath(path);
}

int AppMessageBox(HWND owner, const std::string& text, UINT style) {
    return MessageBoxA(owner, text.c_str(), ApplicationTitle().c_str(), style);
}

}  // namespace fw
