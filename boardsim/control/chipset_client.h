// The simulated chipset monitor driver's control device, as tests and
// boardctl use it: the eight values, a failing request code, the log.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "boardsim/pelmox/pelmox_protocol.h"

namespace boardsim {

// Healthy values in rpm, degrees Celsius and volts, in the block's order.
constexpr pelmox::BoardValues kHealthyChipsetValues{{4500, 4000, 40, 45, 12.1f, 5.02f, 3.32f, 2.0f}};

class ChipsetBoardClient {
public:
    ChipsetBoardClient();
    ~ChipsetBoardClient();
    ChipsetBoardClient(const ChipsetBoardClient&) = delete;
    ChipsetBoardClient& operator=(const ChipsetBoardClient&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Reset();
    bool ClearLog();
    bool SetValues(const pelmox::BoardValues& values);
    // 0: no request fails.
    bool SetFailingCode(std::uint32_t code);
    std::optional<pelmox::RequestLog> Log();

private:
    bool Ask(DWORD code, const void* in, DWORD inSize, void* out, DWORD outSize);

    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace boardsim
