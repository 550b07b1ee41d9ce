#include "win32_setup_platform.h"

#include <windows.h>

#include "directory_text.h"
#include "win32_system_calls.h"

namespace setup {
namespace {

// The room the current directory is first read into, NUL included; a
// longer directory is read again into a room that fits.
constexpr std::size_t kCurrentDirectoryRoom = 30;

}  // namespace

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
