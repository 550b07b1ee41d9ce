#include "status_pictures.h"

#include "limit_checks.h"

namespace pelmox {
namespace {

constexpr int kGreyTile = 155;
constexpr int kCelsiusMark = 142;
constexpr int kFahrenheitMark = 193;

// One phase of an animation: at `phase`, show `bitmap` (0: keep the
// picture), then go on at `next`.
struct Frame {
    int phase;
    int bitmap;
    int next;
};

struct Animation {
    const Frame* frames;
    int count;
};

template <int N>
constexpr Animation Of(const Frame (&frames)[N]) {
    return {frames, N};
}

constexpr Frame kFansNormal[] = {{0, 132, 2}, {2, 152, 3}, {3, 153, 4}, {4, 154, 0}};
constexpr Frame kFansAlarm[] = {{0, 148, 2}, {2, 0, 3}, {3, 168, 4}, {4, 0, 5},
                                {5, 167, 6}, {6, 0, 7}, {7, 168, 8}, {8, 0, 0}};
constexpr Frame kTemperaturesNormal[] = {{0, 131, 2}, {2, 0, 3},  {3, 156, 4},  {4, 0, 5},   {5, 156, 6},
                                         {6, 0, 7},   {7, 131, 8}, {8, 0, 9},   {9, 157, 10}, {10, 0, 11},
                                         {11, 131, 12}, {12, 0, 0}};
constexpr Frame kTemperaturesAlarm[] = {{0, 150, 2}, {2, 0, 3}, {3, 163, 4}, {4, 0, 5}, {5, 164, 6}, {6, 0, 0}};
constexpr Frame kVoltagesNormal[] = {{0, 130, 2}, {2, 0, 3}, {3, 159, 4}, {4, 0, 5}, {5, 160, 6}, {6, 0, 0}};
constexpr Frame kVoltagesAlarm[] = {{0, 149, 2}, {2, 0, 3}, {3, 165, 4}, {4, 0, 5}, {5, 166, 6}, {6, 0, 0}};
constexpr Frame kFault[] = {{0, 181, 2}, {2, 0, 3}, {3, 185, 4}, {4, 0, 5},
                            {5, 182, 6}, {6, 0, 7}, {7, 185, 8}, {8, 0, 0}};

// By group (fans, temperatures, voltages), then normal, alarm, fault.
constexpr Animation kAnimations[3][3] = {
    {Of(kFansNormal), Of(kFansAlarm), Of(kFault)},
    {Of(kTemperaturesNormal), Of(kTemperaturesAlarm), Of(kFault)},
    {Of(kVoltagesNormal), Of(kVoltagesAlarm), Of(kFault)},
};
constexpr int kGroupControls[3] = {kFanPicture, kTemperaturePicture, kVoltagePicture};

bool Visible(std::uint32_t enableItem, std::uint32_t item) { return (enableItem & item) != 0; }

// The animating states' slot: normal 0, alarm 1, fault 2; -1 for off.
int StateSlot(GroupState state) {
    switch (state) {
    case GroupNormal: return 0;
    case GroupAlarm: return 1;
    case GroupFault: return 2;
    case GroupOff: break;
    }
    return -1;
}

GroupState FanState(const SensorValues& v, const WatchDogLimit& l, std::uint32_t enable) {
    bool cpu = Visible(enable, ITEM_CPU_FAN), second = Visible(enable, ITEM_FAN2);
    GroupState state = GroupNormal;
    if ((cpu && FanOutside(v.cpuFan, l.cpuFanLow)) || (second && FanOutside(v.fan2, l.fan2Low))) state = GroupAlarm;
    if ((cpu && IsNoReading(v.cpuFan)) || (second && IsNoReading(v.fan2))) state = GroupFault;
    if (!cpu && !second) state = GroupOff;
    return state;
}

GroupState TemperatureState(const SensorValues& v, const WatchDogLimit& l, std::uint32_t enable) {
    bool chipset = Visible(enable, ITEM_CHIPSET_TEMP), cpu = Visible(enable, ITEM_CPU_TEMP);
    auto dead = [](float value, float limit) { return IsNoReading(value) && IsNoReading(limit); };
    GroupState state = GroupNormal;
    if ((chipset && TemperatureOutside(v.chipsetTemperature, l.chipsetTemperatureHigh)) ||
        (cpu && TemperatureOutside(v.cpuTemperature, l.cpuTemperatureHigh)))
        state = GroupAlarm;
    if ((chipset && dead(v.chipsetTemperature, l.chipsetTemperatureHigh)) ||
        (cpu && dead(v.cpuTemperature, l.cpuTemperatureHigh)))
        state = GroupFault;
    if (!chipset && !cpu) state = GroupOff;
    return state;
}

GroupState VoltageState(const SensorValues& v, const WatchDogLimit& l, std::uint32_t enable) {
    const struct {
        std::uint32_t item;
        float value, low, high;
    } supplies[] = {{ITEM_12V, v.supply12V, l.supply12VLow, l.supply12VHigh},
                    {ITEM_5V, v.supply5V, l.supply5VLow, l.supply5VHigh},
                    {ITEM_IO_VOLTAGE, v.ioSupply, l.ioSupplyLow, l.ioSupplyHigh},
                    {ITEM_CPU_VOLTAGE, v.cpuVoltage, l.cpuVoltageLow, l.cpuVoltageHigh}};
    GroupState state = GroupNormal;
    bool anyVisible = false;
    for (const auto& s : supplies)
        if (Visible(enable, s.item) && SupplyOutside(s.value, s.low, s.high)) state = GroupAlarm;
    for (const auto& s : supplies) {
        if (!Visible(enable, s.item)) continue;
        anyVisible = true;
        if (IsNoReading(s.value)) state = GroupFault;
    }
    return anyVisible ? state : GroupOff;
}

}  // namespace

GroupStates FormGroupStates(const SensorValues& values, const WatchDogLimit& limits, std::uint32_t enableItem) {
    return {FanState(values, limits, enableItem), TemperatureState(values, limits, enableItem),
            VoltageState(values, limits, enableItem)};
}

void CStatusPictures::Animate(int group, GroupState state) {
    int slot = StateSlot(state);
    if (slot < 0) {
        display_.ShowBitmap(kGroupControls[group], kGreyTile);
        return;
    }
    int& phase = phases_[static_cast<std::size_t>(group)][static_cast<std::size_t>(slot)];
    const Animation& animation = kAnimations[group][slot];
    for (int i = 0; i < animation.count; ++i) {
        const Frame& frame = animation.frames[i];
        if (frame.phase != phase) continue;
        if (frame.bitmap != 0) display_.ShowBitmap(kGroupControls[group], frame.bitmap);
        phase = frame.next;
        return;
    }
}

void CStatusPictures::UpdateStatusPictures(CChipsetDriver& driver, const WatchDogLimit& limits,
                                           std::uint32_t enableItem, std::int32_t tempUnit) {
    if (updating_) return;
    updating_ = true;
    SensorValues values{};
    driver.ReadValues(values);
    GroupStates states = FormGroupStates(values, limits, enableItem);
    Animate(0, states.fans);
    Animate(1, states.temperatures);
    Animate(2, states.voltages);
    int mark = tempUnit == 1 ? kFahrenheitMark : kCelsiusMark;
    display_.ShowBitmap(kUnitMark1, mark);
    display_.ShowBitmap(kUnitMark2, mark);
    updating_ = false;
}

int CStatusPictures::Phase(int group, GroupState state) const {
    int slot = StateSlot(state);
    return slot < 0 ? 0 : phases_[static_cast<std::size_t>(group)][static_cast<std::size_t>(slot)];
}

}  // namespace pelmox
