#include "win32_system_calls.h"

#include <windows.h>

#include "directory_text.h"

namespace setup {
namespace {

// The room the Windows directory is first read into, NUL included; a
// longer directory is read again into a room that fits.
constexpr std::size_t kWindowsDirectoryRoom = 29;

}  // namespace

std::string ReadWindowsDirectory() {
    return ReadDirectory(
        [](char* room, std::size_t size) {
            return static_cast<std::size_t>(GetWindowsDirectoryA(room, static_cast<UINT>(size)));
        },
        kWindowsDirectoryRoom);
}

void StartCommand(const std::string& commandLine, ShowCommand show) {
    WinExec(commandLine.c_str(), static_cast<UINT>(show));
}

}  // namespace setup
