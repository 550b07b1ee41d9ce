// The board's own watch over six items, read from the firmware's vendor
// structure of type 0x80: which items the board watches, and whether each
// is in order now.
#pragma once

#include <array>
#include <cstdint>

#include "ioprobe/structure_walk.h"
#include "language_texts.h"

namespace ravlo {

enum Item { kTemperature = 0, kSupply12V, kSupply3V3, kSupply2V8, kSupply5V, kFan };

constexpr std::uint8_t kMonitorStructureType = 0x80;

class StatusMonitor {
public:
    // Finds the monitor structure and takes the watched items from it.
    // A failed walk leaves nothing watched and the monitor handle 0. The
    // driver must already be open.
    void Start(ioprobe::StructureSource& source);

    // Reads the status once. A failed request keeps the last conditions.
    void Poll(ioprobe::StructureSource& source);

    std::uint32_t MonitorHandle() const { return monitorHandle_; }
    bool Watched(int item) const { return watched_[item]; }
    bool Normal(int item) const { return normal_[item]; }
    bool AllNormal() const { return allNormal_; }

private:
    std::uint32_t monitorHandle_ = 0;
    std::array<bool, kRowCount> watched_{};
    std::array<bool, kRowCount> normal_{};
    bool allNormal_ = false;
};

}  // namespace ravlo
