// The System Information strings of this machine's own firmware table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "ioprobe_board.h"

namespace boardsim {

// Reads the first System Information structure of a raw SMBIOS table as
// GetSystemFirmwareTable('RSMB') delivers it (an 8-byte header with the
// table length at bytes 4-7, then the structures). Strings the structure
// does not name stay empty. Returns nothing when the data holds no such
// structure or is malformed.
std::optional<SystemInformation> SystemInformationFromRawTable(const std::uint8_t* data,
                                                              std::size_t size);

}  // namespace boardsim
