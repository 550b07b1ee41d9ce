#include "rundll_command.h"

#include <algorithm>
#include <cctype>

namespace boardsim {
namespace {

std::string_view SkipBlanks(std::string_view text) {
    std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

std::string_view SkipProgramName(std::string_view line) {
    line = SkipBlanks(line);
    if (!line.empty() && line.front() == '"') {
        std::size_t close = line.find('"', 1);
        return close == std::string_view::npos ? std::string_view{} : line.substr(close + 1);
    }
    std::size_t blank = line.find_first_of(" \t");
    return blank == std::string_view::npos ? std::string_view{} : line.substr(blank);
}

}  // namespace

std::optional<RundllCommand> ParseRundllCommand(std::string_view commandLine) {
    std::string_view rest = SkipBlanks(SkipProgramName(commandLine));
    std::size_t blank = rest.find_first_of(" \t");
    std::string_view target = rest.substr(0, blank);
    std::size_t comma = target.find(',');
    if (comma == std::string_view::npos || comma == 0 || comma + 1 == target.size()) return std::nullopt;

    RundllCommand command;
    command.library = target.substr(0, comma);
    command.entry = target.substr(comma + 1);
    if (blank != std::string_view::npos) command.arguments = SkipBlanks(rest.substr(blank));
    return command;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace boardsim
