#include "directory_text.h"

#include <vector>

namespace setup {

std::string ReadDirectory(const DirectoryCall& call, std::size_t size) {
    // A directory that grows between the two calls is asked for again; the
    // bound keeps a misbehaving call from looping.
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::vector<char> room(size, '\0');
        std::size_t length = call(room.data(), room.size());
        if (length == 0) return {};
        if (length < room.size()) return std::string(room.data(), length);
        size = length + 1;
    }
    return {};
}

}  // namespace setup
