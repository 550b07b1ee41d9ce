// The setup launcher's whole run after the board identifier is known.
#pragma once

#include <string_view>

#include "setup_platform.h"

namespace setup {

// Pause between starting the INF installer and starting the monitor.
constexpr unsigned kInstallPauseMs = 4000;

// Chooses the installation for `identifier` and starts it: the INF
// installer, the pause and Ravlo.exe for the monitor's boards; otherwise the
// medium's Setup.exe, with its own directory made current.
void StartInstallation(std::string_view identifier, SetupPlatform& platform);

}  // namespace setup
