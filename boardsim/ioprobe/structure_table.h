// The answers of the simulated firmware device, computed from a structure
// table in SMBIOS layout. Freestanding code: it is compiled into the kernel
// driver and into the native unit tests alike, so it uses no library at all.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "board_protocol.h"

namespace boardsim {

constexpr uint32_t kLastHandle = 0xFFFF;

// One structure located in a table: where it starts and how many bytes it
// occupies, strings and the closing double NUL included.
struct StructureSpan {
    uint32_t offset;
    uint32_t size;
    uint8_t type;
    uint16_t handle;
};

// Reads structures one after another. A table ends at its end-of-table
// structure (type 127), at its last byte, or at the first malformed
// structure: a length below 4, or a formatted area or string set that runs
// past the table.
class StructureCursor {
public:
    StructureCursor(const uint8_t* table, uint32_t length);

    // Moves to the next structure; false once the table has ended.
    bool Next(StructureSpan& span);

private:
    const uint8_t* table_;
    uint32_t length_;
    uint32_t offset_ = 0;
    bool ended_ = false;
};

// Answers one request for `handle` into `out` (all `outSize` bytes are
// written: the answer, then zeros). Returns false when the device must fail
// the request; `written` then is 0.
bool AnswerStructureRequest(const uint8_t* table, uint32_t length, Fault fault,
                            uint32_t handle, uint8_t* out, uint32_t outSize,
                            uint32_t& written);

}  // namespace boardsim
