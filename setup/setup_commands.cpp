#include "setup_commands.h"

#include "installer_command.h"

namespace setup {
namespace {

constexpr std::string_view kInstallScript = "HW1\\Ravlo.inf";
constexpr std::string_view kRavloProgram = "Ravlo.exe";
constexpr std::string_view kInstallerProgram = "\\Setup.exe";

std::string_view InstallerSubdirectory(Installation installer) {
    switch (installer) {
    case Installation::InstallerHw2: return "\\HW2";
    case Installation::InstallerHw4: return "\\HW4";
    default: return "\\HW3";
    }
}

std::string Join(std::string_view a, std::string_view b) {
    std::string text(a);
    text += b;
    return text;
}

}  // namespace

RavloInstallCommands BuildRavloInstallCommands(std::string_view windowsDirectory,
                                               std::string_view currentDirectory) {
    std::string medium(currentDirectory);
    if (medium.empty() || medium.back() != kSeparator.front()) medium += kSeparator;

    RavloInstallCommands commands;
    commands.installScript = InfInstallCommand(windowsDirectory, Join(medium, kInstallScript));
    commands.startRavlo = Join(windowsDirectory, kSeparator) + std::string(kRavloProgram);
    return commands;
}

std::string InstallerDirectory(std::string_view currentDirectory, Installation installer) {
    return Join(currentDirectory, InstallerSubdirectory(installer));
}

std::string InstallerCommand(std::string_view installerDirectory) {
    return Join(installerDirectory, kInstallerProgram);
}

}  // namespace setup
