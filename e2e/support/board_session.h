// The simulated board and the prefix as a test sees them: the firmware
// table, the driver's request log, the journal of started programs, the
// driver service, and files.
#pragma once

#include <string>
#include <vector>

#include "boardsim/control/board_client.h"
#include "boardsim/journal/journal.h"

namespace e2e {

// Serves `board` from the simulated firmware driver; fails the test when
// the driver refuses it.
void ServeBoard(const boardsim::IoprobeBoard& board);

// A board of the given product name, everything else at its defaults.
boardsim::IoprobeBoard BoardNamed(const std::string& productName);

// A board of the thermal monitor's family whose vendor structure holds
// these watched-items and status bytes.
boardsim::IoprobeBoard MonitoredBoard(std::uint8_t watchedItems, std::uint8_t status);

// The firmware driver's request log, or nothing when it cannot be read.
std::optional<boardsim::RequestLog> FirmwareRequestLog();

// The handles of the firmware requests since the last ClearRequests().
std::vector<std::uint32_t> FirmwareRequests();
void ClearRequests();

std::vector<boardsim::JournalEntry> ReadJournal();
void ClearJournal();

// Stops or starts the simulated firmware driver's service.
bool StopFirmwareDriver();
bool StartFirmwareDriver();
// Stops or starts the simulated chipset monitor driver's service.
bool StopChipsetDriver();
bool StartChipsetDriver();

bool FileExists(const std::string& path);
void RemoveFile(const std::string& path);

}  // namespace e2e
