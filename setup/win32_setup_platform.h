// The setup launcher's system calls on Win32.
#pragma once

#include "setup_platform.h"

namespace setup {

class Win32SetupPlatform final : public SetupPlatform {
public:
    std::string WindowsDirectory() override;
    std::string CurrentDirectory() override;
    void ChangeDirectory(const std::string& directory) override;
    void Run(const std::string& commandLine, ShowCommand show) override;
    void Sleep(unsigned milliseconds) override;
};

}  // namespace setup
