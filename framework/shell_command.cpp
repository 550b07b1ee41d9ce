#include "shell_command.h"

namespace fw {

namespace {

bool IsFlag(const std::string& argument) {
    return !argument.empty() && (argument.front() == '/' || argument.front() == '-');
}

}  // namespace

ShellCommand ParseShellCommand(const std::vector<std::string>& arguments) {
    ShellCommand command;
    for (const std::string& argument : arguments) {
        if (IsFlag(argument) || argument.empty() || !command.fileName.empty()) continue;
        command.kind = ShellCommand::FileOpen;
        command.fileName = argument;
    }
    return command;
}

std::string DocStringPart(std::string_view docString, int index) {
    if (index < 0) return {};
    std::size_t start = 0;
    for (int part = 0; part < index; ++part) {
        std::size_t lineBreak = docString.find('\n', start);
        if (lineBreak == std::string_view::npos) return {};
        start = lineBreak + 1;
    }
    std::size_t end = docString.find('\n', start);
    return std::string(docString.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

}  // namespace fw
