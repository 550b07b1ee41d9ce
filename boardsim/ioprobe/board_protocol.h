// Requests understood by the simulated firmware driver.
//
// The driver serves two devices: the firmware device the programs open
// ("\\.\IOPROBE.VXD", control code 3 only) and a private control device
// through which tests, the demo and the board tool replace the structure
// table and read back what the programs asked for. This header is shared by
// the kernel driver and its user-mode clients, so it uses plain C types only.
#pragma once

#include <stdint.h>

namespace boardsim {

// Control code of the one firmware request (transfer method "neither").
constexpr uint32_t kGetStructureCode = 3;
constexpr uint32_t kStructureBufferSize = 256;

// Control device, reachable as "\\.\IoprobeBoard".
constexpr uint32_t kControlDeviceType = 0x8A01;

constexpr uint32_t ControlCode(uint32_t function) {
    // CTL_CODE(type, function, METHOD_BUFFERED, FILE_ANY_ACCESS)
    return (kControlDeviceType << 16) | (function << 2);
}

// Input: TableHeader followed by tableLength bytes of structures.
constexpr uint32_t kSetTableCode = ControlCode(0x800);
// Output: RequestLog.
constexpr uint32_t kGetRequestLogCode = ControlCode(0x801);
// No buffers: empties the request log.
constexpr uint32_t kClearRequestLogCode = ControlCode(0x802);

// How the firmware device misbehaves on purpose.
enum class Fault : uint32_t {
    None = 0,
    FailAll = 1,      // every request fails
    Cycle = 2,        // the last structure points back to the first
    Endless = 3,      // unknown handles answer filler structures, forever
    AnswerLast = 4,   // the request for 0xFFFF is answered with the end structure
};
constexpr uint32_t kFaultCount = 5;

constexpr uint32_t kTableMagic = 0x4C424154;   // "TABL"
constexpr uint32_t kMaxTableLength = 8192;

struct TableHeader {
    uint32_t magic;
    uint32_t fault;        // a Fault value
    uint32_t tableLength;  // bytes of structures that follow
};

constexpr uint32_t kRequestLogEntries = 256;

struct RequestLog {
    uint32_t openHandles;  // handles to the firmware device open now
    uint32_t total;    // firmware requests since the log was last cleared
    uint32_t failed;   // of those, answered with a failure
    uint32_t handles[kRequestLogEntries];  // the first requested handles, in order
};

}  // namespace boardsim
