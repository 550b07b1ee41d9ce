// The command text that hands an INF script's DefaultInstall section to the
// Windows 9x INF installer; the script path follows the final blank.
#pragma once

#include <string>
#include <string_view>

namespace setup {

constexpr std::string_view kInstallerCommandPrefix =
    "rundll setupx.dll,InstallHinfSection DefaultInstall 132 ";
constexpr std::string_view kSeparator = "\\";

// The Windows directory + "\" + the installer prefix + `scriptPath`.
inline std::string InfInstallCommand(std::string_view windowsDirectory, std::string_view scriptPath) {
    std::string command(windowsDirectory);
    command += kSeparator;
    command += kInstallerCommandPrefix;
    command += scriptPath;
    return command;
}

// Show commands handed to WinExec.
enum class ShowCommand : unsigned { Hide = 0, Show = 5 };

}  // namespace setup
