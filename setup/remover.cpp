#include "remover.h"

namespace setup {
namespace {

constexpr std::string_view kRemovalScript = "RemoveRV.inf";

}  // namespace

std::string BuildRemovalCommand(std::string_view windowsDirectory) {
    std::string script(windowsDirectory);
    script += kSeparator;
    script += kRemovalScript;
    return InfInstallCommand(windowsDirectory, script);
}

void RemoveRavlo(RemoverPlatform& platform) {
    platform.EndMonitor();
    // A command built from an unreadable directory would run whatever lies
    // at the root: start nothing instead.
    std::string windows = platform.WindowsDirectory();
    if (windows.empty()) return;
    platform.Run(BuildRemovalCommand(windows), ShowCommand::Hide);
}

}  // namespace setup
