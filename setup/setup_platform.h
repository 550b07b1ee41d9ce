// What the setup launcher needs of the system: directories, starting a
// command, and waiting.
#pragma once

#include <string>

#include "installer_command.h"

namespace setup {

class SetupPlatform {
public:
    // Whole directory names, without a trailing separator unless at a root.
    virtual std::string WindowsDirectory() = 0;
    virtual std::string CurrentDirectory() = 0;
    virtual void ChangeDirectory(const std::string& directory) = 0;
    // Starts a command line and does not wait for it.
    virtual void Run(const std::string& commandLine, ShowCommand show) = 0;
    virtual void Sleep(unsigned milliseconds) = 0;

protected:
    ~SetupPlatform() = default;
};

}  // namespace setup
