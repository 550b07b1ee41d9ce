#include "board_setup.h"

#include "installation_choice.h"
#include "setup_commands.h"

namespace setup {
namespace {

// A directory that could not be read yields no command at all: a command
// built from an empty directory would start whatever lies at the root.
void InstallRavlo(SetupPlatform& platform) {
    std::string windows = platform.WindowsDirectory();
    std::string medium = platform.CurrentDirectory();
    if (windows.empty() || medium.empty()) return;
    RavloInstallCommands commands = BuildRavloInstallCommands(windows, medium);
    platform.Run(commands.installScript, ShowCommand::Hide);
    platform.Sleep(kInstallPauseMs);
    platform.Run(commands.startRavlo, ShowCommand::Show);
}

void StartInstaller(Installation installer, SetupPlatform& platform) {
    std::string medium = platform.CurrentDirectory();
    if (medium.empty()) return;
    std::string directory = InstallerDirectory(medium, installer);
    platform.ChangeDirectory(directory);
    platform.Run(InstallerCommand(directory), ShowCommand::Show);
}

}  // namespace

void StartInstallation(std::string_view identifier, SetupPlatform& platform) {
    Installation installation = ChooseInstallation(identifier);
    if (installation == Installation::RavloFromHw1)
        InstallRavlo(platform);
    else
        StartInstaller(installation, platform);
}

}  // namespace setup
