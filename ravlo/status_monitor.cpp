#include "status_monitor.h"

namespace ravlo {
namespace {

// Answer offsets of the structure's bytes 4 and 6.
constexpr std::size_t kWatchedItemsOffset = 8;
constexpr std::size_t kStatusOffset = 10;

bool Bit(std::uint8_t byte, int bit) { return (byte >> bit) & 1; }

}  // namespace

void StatusMonitor::Start(ioprobe::StructureSource& source) {
    ioprobe::Buffer answer{};
    std::uint32_t handle = ioprobe::WalkForType(source, kMonitorStructureType, answer);
    if (handle == 0) return;
    for (int item = 0; item < kRowCount; ++item) watched_[item] = Bit(answer[kWatchedItemsOffset], item);
    monitorHandle_ = handle;
}

void StatusMonitor::Poll(ioprobe::StructureSource& source) {
    ioprobe::Buffer answer{};
    if (!source.GetStructure(monitorHandle_, answer)) return;
    std::uint8_t status = answer[kStatusOffset];
    // The temperature bit says "too high"; the other five say "in order".
    normal_[kTemperature] = !Bit(status, kTemperature) || !watched_[kTemperature];
    for (int item = kSupply12V; item < kRowCount; ++item) normal_[item] = Bit(status, item) || !watched_[item];
    allNormal_ = true;
    for (bool normal : normal_) allNormal_ = allNormal_ && normal;
}

}  // namespace ravlo
