// Reading a directory name from a system call that fills a caller's room.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace setup {

// A call in the style of GetWindowsDirectoryA: fills `room` (of `size`
// characters, the NUL included) and returns the length written, or, when
// the name does not fit, the size it needs; 0 on failure.
using DirectoryCall = std::function<std::size_t(char* room, std::size_t size)>;

// Asks `call` with a room of `size` characters first and, when the name is
// longer, again with a room that fits it, so that a long directory is taken
// whole rather than left empty. Returns "" when the call fails.
std::string ReadDirectory(const DirectoryCall& call, std::size_t size);

}  // namespace setup
