// The command text that hands an INF script's DefaultInstall section to the
// Windows 9x INF installer; the script path follows the final blank.
#pragma once

#include <string_view>

namespace setup {

constexpr std::string_view kInstallerCommandPrefix =
    "rundll setupx.dll,InstallHinfSection DefaultInstall 132 ";
constexpr std::string_view kSeparator = "\\";

// Show commands handed to WinExec.
enum class ShowCommand : unsigned { Hide = 0, Show = 5 };

}  // namespace setup
