// The eight monitored items and what the program knows of each: its group,
// which limits it has, where its value and limits live, its controls on the
// form, its menu entry, its name in warnings and its vendor file keys.
#pragma once

#include <array>
#include <cstdint>

#include "driver_blocks.h"

namespace pelmox {

enum class ItemGroup { Fan, Temperature, Supply };

struct SensorItem {
    std::uint32_t bit;
    ItemGroup group;
    float SensorValues::*value;
    float WatchDogLimit::*lower;  // nullptr: the item has no lower limit
    float WatchDogLimit::*upper;  // nullptr: the item has no upper limit
    int valueField;               // static text showing the value
    int checkBox;                 // the item's alarm check box
    const char* checkBoxCaption;
    int listIndex;  // position in the item list
    const char* listText;
    int showCommand;  // entry of the "Visibe" submenu
    const char* showText;
    const char* warningName;
    const char* vendorLowerKey;  // nullptr: no lower limit
    const char* vendorUpperKey;  // nullptr: no upper limit
};

constexpr int kItemCount = 8;

// In list order: item i has the bit 1 << i.
extern const std::array<SensorItem, kItemCount> kSensorItems;

// Form controls shared by all items.
enum ItemControl : int {
    kUpperLimitField = 1011,
    kLowerLimitField = 1012,
    kItemList = 1030,
    kUpperSlider = 1033,
    kLowerSlider = 1035,
};

// The list index of an item bit, or -1 for anything but a single item bit.
int ItemIndexFromBit(std::uint32_t bit);

}  // namespace pelmox
