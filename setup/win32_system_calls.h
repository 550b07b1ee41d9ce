// The system calls both installation tools make, on Win32.
#pragma once

#include <string>

#include "installer_command.h"

namespace setup {

// The whole Windows directory, first read into the 29-character room.
std::string ReadWindowsDirectory();

// WinExec: starts the command and does not wait for it.
void StartCommand(const std::string& commandLine, ShowCommand show);

}  // namespace setup
