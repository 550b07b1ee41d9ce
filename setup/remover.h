// The remover: ends the running thermal monitor and starts its removal
// script with the INF installer.
#pragma once

#include <string>
#include <string_view>

#include "installer_command.h"

namespace setup {

class RemoverPlatform {
public:
    // Asks a running monitor to close its window; nothing when none runs.
    virtual void EndMonitor() = 0;
    // The whole Windows directory, "" when it cannot be read.
    virtual std::string WindowsDirectory() = 0;
    // Starts a command line and does not wait for it.
    virtual void Run(const std::string& commandLine, ShowCommand show) = 0;

protected:
    ~RemoverPlatform() = default;
};

// W + "rundll setupx.dll,InstallHinfSection DefaultInstall 132 " + W +
// "RemoveRV.inf", with W the Windows directory and a "\".
std::string BuildRemovalCommand(std::string_view windowsDirectory);

// Ends the monitor first, then starts the removal script hidden; nothing
// waits in between.
void RemoveRavlo(RemoverPlatform& platform);

}  // namespace setup
