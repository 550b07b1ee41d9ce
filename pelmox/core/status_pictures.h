// The three status pictures above the values (fans, temperatures,
// supplies), each summing up its group in a state with its own little
// animation, and the two temperature unit marks.
#pragma once

#include <array>
#include <cstdint>

#include "chipset_driver.h"

namespace pelmox {

enum GroupState : int { GroupNormal = 0, GroupAlarm = 1, GroupOff = 2, GroupFault = 3 };

enum StatusControl : int {
    kFanPicture = 1015,
    kTemperaturePicture = 1016,
    kVoltagePicture = 1017,
    kUnitMark1 = 1076,
    kUnitMark2 = 1077,
};

struct GroupStates {
    GroupState fans, temperatures, voltages;
};

// The groups' states from the values, the visible items and the limits.
GroupStates FormGroupStates(const SensorValues& values, const WatchDogLimit& limits, std::uint32_t enableItem);

// Where a picture goes: a bitmap resource on a static control. The
// program's adapter loads each bitmap once and keeps it.
class PictureDisplay {
public:
    virtual void ShowBitmap(int control, int bitmap) = 0;

protected:
    ~PictureDisplay() = default;
};

class CStatusPictures {
public:
    explicit CStatusPictures(PictureDisplay& display) : display_(display) {}

    // One call per timer tick, after each value display and each unit
    // switch. A call made while one runs returns at once.
    void UpdateStatusPictures(CChipsetDriver& driver, const WatchDogLimit& limits, std::uint32_t enableItem,
                              std::int32_t tempUnit);

    int Phase(int group, GroupState state) const;

private:
    void Animate(int group, GroupState state);

    PictureDisplay& display_;
    // Phases of the animating states (normal, alarm, fault) per group,
    // kept across state changes for the whole run.
    std::array<std::array<int, 3>, 3> phases_{};
    bool updating_ = false;
};

}  // namespace pelmox
