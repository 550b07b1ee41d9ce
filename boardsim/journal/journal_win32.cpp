#include <windows.h>

#include <vector>

#include "journal.h"

namespace boardsim {

void RecordProgramStart(const char* program) {
    JournalEntry entry;
    entry.tickMs = GetTickCount64();
    entry.program = program;
    entry.commandLine = GetCommandLineA();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW) entry.showCommand = startup.wShowWindow;
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> directory(size + 1, '\0');
    GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data());
    entry.currentDirectory = directory.data();

    std::string line = FormatJournalLine(entry);
    HANDLE file = CreateFileA(kJournalPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace boardsim
