// User-mode client of the simulated firmware driver's control device.
#pragma once

#include <optional>

#include "boardsim/ioprobe/board_protocol.h"
#include "ioprobe_board.h"

namespace boardsim {

class IoprobeBoardClient {
public:
    IoprobeBoardClient();
    ~IoprobeBoardClient();
    IoprobeBoardClient(const IoprobeBoardClient&) = delete;
    IoprobeBoardClient& operator=(const IoprobeBoardClient&) = delete;

    // False when the simulated driver is not running.
    bool IsOpen() const;

    // Replaces the table the firmware device answers from, at once.
    bool SetBoard(const IoprobeBoard& board);
    std::optional<RequestLog> ReadRequestLog();
    bool ClearRequestLog();

private:
    void* device_;
};

// The System Information strings of the machine this runs on.
std::optional<SystemInformation> ReadMachineSystemInformation();

}  // namespace boardsim
