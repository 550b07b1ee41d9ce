#include "status_window.h"

#include "ravlo_program.h"
#include "resource_ids.h"
#include "status_cells.h"

namespace ravlo {
namespace {

constexpr UINT_PTR kRefreshTimerId = 1;
constexpr UINT kRefreshPeriodMs = 1000;
constexpr COLORREF kAbnormalColour = RGB(255, 0, 0);

// Draws the abnormal text again, in red, over its cell, on the background
// of the first name cell.
void DrawInRed(HWND dialog, int control, const char* text) {
    HWND nameCell = GetDlgItem(dialog, IDC_FIRST_ROW_NAME);
    HDC nameDc = GetDC(nameCell);
    COLORREF background = GetPixel(nameDc, 0, 0);
    ReleaseDC(nameCell, nameDc);

    HWND cell = GetDlgItem(dialog, control);
    HDC dc = GetWindowDC(cell);
    SetTextColor(dc, kAbnormalColour);
    SetBkColor(dc, background);
    TextOutA(dc, g_ravlo.texts->redTextLeft, 1, text, lstrlenA(text));
    ReleaseDC(cell, dc);
}

void Refresh(HWND dialog) {
    for (int row = 0; row < kRowCount; ++row) {
        RowCells cells = CellsOfRow(row, g_ravlo.monitor, *g_ravlo.texts);
        SetDlgItemTextA(dialog, cells.nameControl, cells.name);
        SetDlgItemTextA(dialog, cells.statusControl, cells.status);
        if (cells.drawRed) DrawInRed(dialog, cells.statusControl, cells.status);
        SetDlgItemTextA(dialog, cells.warningControl, cells.warning);
    }
}

INT_PTR OnInitDialog(HWND dialog) {
    const LanguageTexts& texts = *g_ravlo.texts;
    g_ravlo.statusWindowOpen = true;
    SetTimer(dialog, kRefreshTimerId, kRefreshPeriodMs, nullptr);
    SetWindowTextA(dialog, texts.statusTitle);
    SetDlgItemTextA(dialog, IDC_HEADING_ITEM, texts.headings[0]);
    SetDlgItemTextA(dialog, IDC_HEADING_CONDITION, texts.headings[1]);
    SetDlgItemTextA(dialog, IDC_HEADING_WARNING, texts.headings[2]);
    SetDlgItemTextA(dialog, IDC_NOTICE, texts.notice);
    Refresh(dialog);
    return TRUE;
}

// The template's picture controls load their bitmaps themselves and keep
// them when they are destroyed; each window gives them back as it goes
// (already hidden), so that opening and closing it again and again leaks
// nothing.
BOOL CALLBACK ReleasePicture(HWND control, LPARAM) {
    if ((GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) return TRUE;
    auto* picture = reinterpret_cast<HBITMAP>(SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, 0));
    if (picture != nullptr) DeleteObject(picture);
    return TRUE;
}

INT_PTR OnClose(HWND dialog) {
    KillTimer(dialog, kRefreshTimerId);
    g_ravlo.statusWindowOpen = false;
    EndDialog(dialog, 0);
    return TRUE;
}

// No buttons: Enter and Esc do nothing; only the close box ends it.
INT_PTR CALLBACK StatusWindowProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_TIMER: Refresh(dialog); return TRUE;
    case WM_CLOSE: return OnClose(dialog);
    case WM_DESTROY: EnumChildWindows(dialog, ReleasePicture, 0); return FALSE;
    default: return FALSE;
    }
}

}  // namespace

void OpenStatusWindow(HWND owner) {
    if (g_ravlo.statusWindowOpen) return;
    DialogBoxParamA(g_ravlo.instance, g_ravlo.texts->dialogName, owner, StatusWindowProc, 0);
}

}  // namespace ravlo
