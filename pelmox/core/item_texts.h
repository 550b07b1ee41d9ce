// The texts of the value fields and the two limit fields.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "driver_blocks.h"
#include "sensor_items.h"

namespace pelmox {

enum ItemState : int { StateAlarm = 0, StateNormal = 1, StateHidden = 2 };

// The eight value fields with their colouring states and the blink marker
// that makes a value outside its limits jump sideways at every update.
class ValueTexts {
public:
    // One display update: toggles the marker, then forms the text and state
    // of each item in list order. Items whose bit is clear in enableItem
    // are hidden: empty text, StateHidden.
    void Update(const SensorValues& values, const WatchDogLimit& limits, std::uint32_t enableItem,
                std::int32_t tempUnit);

    const std::array<std::string, kItemCount>& Texts() const { return m_texts; }
    const std::array<ItemState, kItemCount>& States() const { return m_itemState; }
    const std::string& BlinkMarker() const { return m_blinkMarker; }

private:
    std::string m_blinkMarker = " ";
    std::array<ItemState, kItemCount> m_itemState{StateNormal, StateNormal, StateNormal, StateNormal,
                                                  StateNormal, StateNormal, StateNormal, StateNormal};
    std::array<std::string, kItemCount> m_texts{};
};

// Two characters become one blank, anything else two blanks.
void ToggleBlinkMarker(std::string& marker);

// The text of one item's value field for a visible item in the given state
// (StateNormal or StateAlarm); the marker leads the text of an alarm.
std::string FormatValueText(const SensorItem& item, float value, ItemState state, const std::string& marker,
                            std::int32_t tempUnit);

struct LimitTexts {
    std::string lower;  // edit 1012
    std::string upper;  // edit 1011
};

// The texts written into the limit fields when the item is selected; the
// field of a limit the item lacks is empty.
LimitTexts FormatLimitTexts(const SensorItem& item, const WatchDogLimit& limits, std::int32_t tempUnit);

}  // namespace pelmox
