// The command lines the setup launcher starts.
#pragma once

#include <string>
#include <string_view>

#include "installation_choice.h"

namespace setup {

struct RavloInstallCommands {
    std::string installScript;  // the INF installer on HW1\Ravlo.inf
    std::string startRavlo;     // Ravlo.exe in the Windows directory
};

// W = windowsDirectory + "\"; C = currentDirectory with a "\" added unless it
// already ends in one.
RavloInstallCommands BuildRavloInstallCommands(std::string_view windowsDirectory,
                                               std::string_view currentDirectory);

// currentDirectory + "\HW2" (or HW3, HW4), no separator added or removed.
// Only for the three installer choices.
std::string InstallerDirectory(std::string_view currentDirectory, Installation installer);

// installerDirectory + "\Setup.exe".
std::string InstallerCommand(std::string_view installerDirectory);

}  // namespace setup
