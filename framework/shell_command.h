// The standard command-line rules of a document program: no argument
// creates one new document; a file name opens that file. Flags of the
// form /x or -x are the framework's own and carry no document.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct ShellCommand {
    enum Kind { FileNew, FileOpen };
    Kind kind = FileNew;
    std::string fileName;  // FileOpen only
};

// `arguments` without the program's own name.
ShellCommand ParseShellCommand(const std::vector<std::string>& arguments);

// One part of a document template's string: the window title (0), the
// document name (1), the file-new name (2), the filter name (3), the
// filter extension (4), the file type (5) and the file type name (6),
// separated by line breaks. Empty when the string has no such part.
std::string DocStringPart(std::string_view docString, int index);

}  // namespace fw
