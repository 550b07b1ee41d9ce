// A simulated board as the firmware driver presents it: the strings of its
// BIOS and System Information structures, the optional vendor monitor
// structure, and a fault to play.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "boardsim/ioprobe/board_protocol.h"

namespace boardsim {

// The vendor structure of type 0x80 that the thermal monitor polls.
struct VendorMonitor {
    std::uint8_t watchedItems = 0x3F;
    std::uint8_t status = 0x3E;  // all six items in order
};

struct SystemInformation {
    std::string manufacturer = "Ostrel";
    std::string productName;
    std::string version = "1.0";
    std::string serialNumber = "OS-0001";
};

struct IoprobeBoard {
    std::string biosVendor = "Ostrel";
    std::string biosVersion = "R1.05";
    std::string biosDate = "06/15/99";
    std::optional<SystemInformation> systemInformation = SystemInformation{};
    std::optional<VendorMonitor> vendorMonitor;
    Fault fault = Fault::None;
};

constexpr std::uint8_t kBiosInformationType = 0;
constexpr std::uint8_t kSystemInformationType = 1;
constexpr std::uint8_t kVendorMonitorType = 0x80;
constexpr std::uint8_t kEndOfTableType = 127;

// Lays the board out as a structure table in SMBIOS layout, handles counted
// from 0 in table order, ending with the end-of-table structure. Empty
// strings are left out of their string set, as SMBIOS requires. Returns an
// empty table when the board does not fit kMaxTableLength.
std::vector<std::uint8_t> BuildStructureTable(const IoprobeBoard& board);

}  // namespace boardsim
