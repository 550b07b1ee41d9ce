// Access to the IOPROBE driver: open, close, and its one request.
#pragma once

#include <cstdint>

#include "structure_walk.h"

namespace ioprobe {

// Opens "\\.\IOPROBE.VXD". On failure shows "Init Fail!" and carries on;
// every later request then fails.
void OpenDriver();

// Closes the driver if it is open.
void CloseDriver();

// IOPROBE_GET_STRUCTURE through the open driver.
class DriverStructureSource final : public StructureSource {
public:
    bool GetStructure(std::uint32_t handle, Buffer& answer) override;
};

}  // namespace ioprobe
