// A stand-in program of the installation medium: it records that it was
// started, then says which program it stands for until its box is closed.
// STANDIN_NAME names it in the journal; STANDIN_TITLE and STANDIN_TEXT are
// what the user sees.
#include <windows.h>

#include "boardsim/journal/journal.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    boardsim::RecordProgramStart(STANDIN_NAME);
    MessageBoxA(nullptr, STANDIN_TEXT, STANDIN_TITLE, MB_OK | MB_ICONINFORMATION);
    return 0;
}
