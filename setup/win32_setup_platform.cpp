#include "win32_setup_platform.h"

#include <windows.h>

#include "directory_text.h"
#include "win32_system_calls.h"

namespace setup {
namespace {

// The rooms the directories are first read into, NUL included; longer
// directories are read again into a room that fits.
constexpr std::size_t kWindowsDirectoryRoom = 29;
constexpr std::size_t kCurrentDirectoryRoom = 30;

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

std::string Win32SetupPlatform::WindowsDirectory() { return ReadWindowsDirectory(); }

std::string Win32SetupPlatform::CurrentDirectory() {
    return ReadDirectory(
        [](char* room, std::size_t size) {
            return static_cast<std::size_t>(GetCurrentDirectoryA(static_cast<DWORD>(size), room));
        },
        kCurrentDirectoryRoom);
}

void Win32SetupPlatform::ChangeDirectory(const std::string& directory) {
    SetCurrentDirectoryA(directory.c_str());
}

void Win32SetupPlatform::Run(const std::string& commandLine, ShowCommand show) { StartCommand(commandLine, show); }

void Win32SetupPlatform::Sleep(unsigned milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace setup
