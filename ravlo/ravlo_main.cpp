// ravlo: the CPU thermal tray monitor. A hidden window polls the board's
// own watch over six items and shows it in the tray and, while anything is
// wrong, in a status window that opens by itself.
#include <windows.h>

#include "ravlo_program.h"
#include "tray_window.h"

namespace ravlo {
RavloProgram g_ravlo;
}  // namespace ravlo

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace ravlo;
    if (FindWindowA(kClassName, kWindowTitle) != nullptr) return 0;
    g_ravlo.texts = &TextsFor(LanguageFromLangId(GetSystemDefaultLangID()));
    if (!RegisterTrayWindowClass(instance)) return 0;

    HWND window = CreateWindowExA(0, kClassName, kWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 0;
    // Hidden whatever show command the program was started with.
    ShowWindow(window, SW_HIDE);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
