// rundll: stands in for the Windows 9x program of that name in the test
// prefix. "rundll setupx.dll,InstallHinfSection SECTION MODE INF" is handed
// to the system's own INF installer, so that installing from the medium
// really copies files; every start is written to the board journal.
#include <windows.h>
#include <setupapi.h>

#include "boardsim/journal/journal.h"
#include "rundll_command.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    boardsim::RecordProgramStart("rundll");
    auto command = boardsim::ParseRundllCommand(GetCommandLineA());
    if (!command) return 1;
    if (!boardsim::SameName(command->library, "setupx.dll") ||
        !boardsim::SameName(command->entry, "InstallHinfSection"))
        return 1;
    InstallHinfSectionA(nullptr, instance, command->arguments.c_str(), SW_HIDE);
    return 0;
}
