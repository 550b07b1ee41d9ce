// The heap as the soak tests see it: this binary's operator new and
// delete count the blocks and bytes alive, so a test can tell whether a
// day of ticks left anything behind.
#pragma once

#include <cstddef>

namespace soak {

struct LiveAllocations {
    std::size_t blocks;
    std::size_t bytes;
};

LiveAllocations LiveNow();

}  // namespace soak
