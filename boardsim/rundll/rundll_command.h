// Parsing the command line of the Windows 9x program rundll:
//   rundll LIBRARY,ENTRY ARGUMENTS
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace boardsim {

struct RundllCommand {
    std::string library;    // "setupx.dll"
    std::string entry;      // "InstallHinfSection"
    std::string arguments;  // everything after the blank that follows the entry
};

// `commandLine` is the whole line, the program's own name first (quoted or
// not). Returns nothing when no LIBRARY,ENTRY follows it.
std::optional<RundllCommand> ParseRundllCommand(std::string_view commandLine);

// Case-insensitive comparison, as Windows compares library and entry names.
bool SameName(std::string_view a, std::string_view b);

}  // namespace boardsim
