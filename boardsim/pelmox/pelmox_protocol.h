// Requests understood by the simulated chipset monitor driver.
//
// The driver serves two devices: the chipset device the program opens
// ("\\.\pelmox.VXD", the plain request codes 4..9) and a private control
// device ("\\.\PelmoxBoard") through which tests set the eight values,
// make one request code fail and read back what the program asked for.
// Shared by the kernel driver and its user-mode clients: plain C types only.
#pragma once

#include <stdint.h>

namespace boardsim {
namespace pelmox {

// Control device type, distinct from the firmware driver's.
constexpr uint32_t kControlDeviceType = 0x8A02;

constexpr uint32_t ControlCode(uint32_t function) {
    // CTL_CODE(type, function, METHOD_BUFFERED, FILE_ANY_ACCESS)
    return (kControlDeviceType << 16) | (function << 2);
}

// Input: BoardValues, the eight values the chipset device answers.
constexpr uint32_t kSetValuesCode = ControlCode(0x800);
// Input: uint32_t request code that fails from now on (0: none fails).
constexpr uint32_t kSetFailingCode = ControlCode(0x801);
// Output: RequestLog.
constexpr uint32_t kGetRequestLogCode = ControlCode(0x802);
// No buffers: empties the request log.
constexpr uint32_t kClearRequestLogCode = ControlCode(0x803);
// No buffers: healthy values, default limits, nothing armed, nothing
// failing, no notification window, empty log.
constexpr uint32_t kResetCode = ControlCode(0x804);

// Same layout as the program's SensorValues block (rpm, degrees C, volts).
struct BoardValues {
    float values[8];
};

// The limit floats in the program's WatchDogLimit order, after its mask.
constexpr uint32_t kLimitCount = 12;

constexpr uint32_t kRequestLogEntries = 256;

struct LoggedRequest {
    uint32_t code;  // 4..9
    // The mask word of a set or read of limits, the item mask of a wake-up
    // or shutdown, the window of a notification request; 0 for a read of
    // values.
    uint32_t word;
    uint32_t failed;  // 1 if the request was answered with an error
};

struct RequestLog {
    uint32_t openHandles;    // handles to the chipset device open now
    uint32_t total;          // requests since the log was last cleared
    uint32_t armedItems;     // item bits whose alarm is armed now
    uint32_t notifyWindow;   // the last notification request's window
    uint32_t notifyMessage;  // and its message
    LoggedRequest requests[kRequestLogEntries];  // the first requests, in order
};

}  // namespace pelmox
}  // namespace boardsim
