#include "driver_blocks.h"

#include <cstring>

namespace pelmox {

bool IsNoReading(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits & 0x7FFFFFFFu) == 0;
}

}  // namespace pelmox
