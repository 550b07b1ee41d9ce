#include "monitor_form.h"

#include <bitset>
#include <cstddef>

#include "limit_sliders.h"
#include "sensor_items.h"

namespace pelmox {

namespace {

constexpr int kTicksPerUpdate = 15;
constexpr std::uint32_t kFirstItem = 0x01;
constexpr unsigned kStopIcon = 0x10;

// The index of a limit in the block's order of twelve.
int LimitIndex(float WatchDogLimit::*limit) {
    static const WatchDogLimit block{};
    auto offset = reinterpret_cast<const char*>(&(block.*limit)) - reinterpret_cast<const char*>(&block.cpuFanLow);
    return static_cast<int>(offset / static_cast<std::ptrdiff_t>(sizeof(float)));
}

const SensorItem* ItemWith(int SensorItem::*field, int value) {
    for (const SensorItem& item : kSensorItems)
        if (item.*field == value) return &item;
    return nullptr;
}

}  // namespace

ControlColours ColoursOf(ColourCode code) {
    switch (code) {
    case ColourValueNormal: return {0xFF0000, true};
    case ColourValueAlarm: return {0x0000FF, true};
    case ColourValueHidden: return {0x008080, true};
    case ColourBoxVisible: return {0x000000, true};
    case ColourBoxHidden: return {0x808080, true};
    default: return {0xFFFFFF, false};
    }
}

const char* TooltipText(int control) {
    switch (control) {
    case 1011: case 1012: return "Current Alarm Limitation";
    case 1018: case 1019: case 1020: case 1021: return "Enable Voltage Alarm";
    case 1022: case 1047: return "Enable Temperature Alarm";
    case 1023: case 1024: return "Enable Fan Alarm";
    case 1030: return "Alarm Limitation Data";
    case 1033: case 1035: return "Setup Alarm Limitation";
    default: return nullptr;
    }
}

CMonitorForm::CMonitorForm(const Parts& parts)
    : settings_(parts.settings),
      driver_(parts.driver),
      storage_(parts.storage),
      pictures_(parts.pictures),
      evaluator_(parts.evaluator),
      controls_(parts.controls),
      toneTick_(parts.toneTick) {}

// The tone queue, the pictures, and at every 15th tick (the first one
// included) the value display and the alarm evaluation.
void CMonitorForm::OnTimerTick() {
    if (toneTick_) toneTick_();
    UpdatePictures();
    if (tickCounter_ == 0) {
        controls_.InvalidateForm();
        evaluator_.EvaluateAlarms({settings_.limits, settings_.enableItem, settings_.soundEnable});
    }
    tickCounter_ = (tickCounter_ + 1) % kTicksPerUpdate;
}

void CMonitorForm::UpdateDisplay() {
    if (firstPaint_) {
        firstPaint_ = false;
        for (const SensorItem& item : kSensorItems) controls_.AddListText(item.listText);
        InitSliders();
    }
    SensorValues values{};
    driver_.ReadValues(values);
    values_.Update(values, settings_.limits, settings_.enableItem, settings_.tempUnit);
    for (std::size_t i = 0; i < kSensorItems.size(); ++i) controls_.SetText(kSensorItems[i].valueField, values_.Texts()[i]);
    UpdatePictures();
}

void CMonitorForm::InitSliders() {
    controls_.SetSliderRange(kUpperSlider, kSliderMin, kSliderMax);
    controls_.SetSliderRange(kLowerSlider, kSliderMin, kSliderMax);
    driver_.ReadLimits(settings_.limits);
    positions_ = SliderPositionsFromLimits(settings_.limits);
    controls_.SelectListIndex(0);
    settings_.limits.mask = kFirstItem;
    SelectItem(kFirstItem);
    for (const SensorItem& item : kSensorItems) controls_.SetCheck(item.checkBox, (settings_.checkItem & item.bit) != 0);
}

void CMonitorForm::SelectItem(std::uint32_t bit) {
    int index = ItemIndexFromBit(bit);
    if (index < 0) {
        controls_.ShowMessage("No dog", "show", kStopIcon);
        return;
    }
    const SensorItem& item = kSensorItems[static_cast<std::size_t>(index)];
    selectedItem_ = bit;
    settings_.limits.mask = bit;
    LimitTexts texts = FormatLimitTexts(item, settings_.limits, settings_.tempUnit);
    controls_.SetText(kUpperLimitField, texts.upper);
    controls_.SetText(kLowerLimitField, texts.lower);
    controls_.SetSliderPosition(kUpperSlider, item.upper ? positions_[LimitIndex(item.upper)] : 0);
    controls_.SetSliderPosition(kLowerSlider, item.lower ? positions_[LimitIndex(item.lower)] : 0);
}

// Every notification of a drag sends the block and saves; crossed supply
// sliders go back and send nothing.
void CMonitorForm::OnSlider() {
    int lower = controls_.SliderPosition(kLowerSlider);
    int upper = controls_.SliderPosition(kUpperSlider);
    int index = ItemIndexFromBit(settings_.limits.mask);
    if (index < 0) return;
    const SensorItem& item = kSensorItems[static_cast<std::size_t>(index)];
    WatchDogLimit& limits = settings_.limits;
    switch (item.group) {
    case ItemGroup::Fan:
        positions_[LimitIndex(item.lower)] = lower;
        limits.*item.lower = LowerLimitFromPosition(item, lower);
        break;
    case ItemGroup::Temperature:
        positions_[LimitIndex(item.upper)] = upper;
        limits.*item.upper = UpperLimitFromPosition(item, upper);
        break;
    case ItemGroup::Supply:
        if (lower > upper) {
            controls_.SetSliderPosition(kUpperSlider, positions_[LimitIndex(item.upper)]);
            controls_.SetSliderPosition(kLowerSlider, positions_[LimitIndex(item.lower)]);
            return;
        }
        positions_[LimitIndex(item.lower)] = lower;
        positions_[LimitIndex(item.upper)] = upper;
        limits.*item.lower = LowerLimitFromPosition(item, lower);
        limits.*item.upper = UpperLimitFromPosition(item, upper);
        break;
    }
    storage_.SendLimits();
    SelectItem(limits.mask);
}

void CMonitorForm::OnAlarmBox(int control) {
    const SensorItem* item = ItemWith(&SensorItem::checkBox, control);
    if (item == nullptr) return;
    bool checked = controls_.IsChecked(control);
    // The CPU fan's box has no visibility test.
    if (item->bit != kFirstItem && (settings_.enableItem & item->bit) == 0) {
        if (checked) controls_.SetCheck(control, false);
        return;
    }
    controls_.SelectListIndex(item->listIndex);
    if (checked)
        ArmItem(item->bit);
    else
        DisarmItem(item->bit);
}

void CMonitorForm::ArmItem(std::uint32_t item) {
    storage_.ArmItem(item);
    SelectIfSingleItem(item);
}

void CMonitorForm::DisarmItem(std::uint32_t item) {
    storage_.DisarmItem(item);
    SelectIfSingleItem(item);
}

void CMonitorForm::SelectIfSingleItem(std::uint32_t item) {
    if (std::bitset<16>(item & 0xFFFF).count() == 1) SelectItem(item);
}

void CMonitorForm::OnListSelection() {
    int index = controls_.ListSelection();
    if (index >= 0 && index < kItemCount) SelectItem(1u << index);
}

std::uint32_t CMonitorForm::GetAlarmChecks() {
    std::uint32_t checks = 0;
    for (const SensorItem& item : kSensorItems)
        if (controls_.IsChecked(item.checkBox)) checks |= item.bit;
    return checks;
}

void CMonitorForm::OnSound() {
    settings_.soundEnable = settings_.soundEnable == 1 ? 0 : 1;
    storage_.SaveSettings();
}

// The factory settings again, keeping the selected item and list entry.
void CMonitorForm::OnResetToDefault() {
    int listIndex = controls_.ListSelection();
    std::uint32_t item = settings_.limits.mask;
    storage_.LoadDefaults();
    storage_.CheckSecondFan();
    for (const SensorItem& each : kSensorItems)
        if (settings_.checkItem & each.bit) controls_.SetCheck(each.checkBox, true);
    InitSliders();
    settings_.limits.mask = item;
    SelectItem(item);
    controls_.SelectListIndex(listIndex);
    storage_.SaveSettings();
}

// Hiding an item also turns its alarm off; showing it leaves the alarm
// off until its box is checked. The driver hears nothing of either.
void CMonitorForm::OnShowItem(int command) {
    const SensorItem* item = ItemWith(&SensorItem::showCommand, command);
    if (item == nullptr) return;
    if (settings_.enableItem & item->bit) {
        settings_.checkItem &= ~item->bit;
        settings_.enableItem &= ~item->bit;
        controls_.SetCheck(item->checkBox, false);
    } else {
        settings_.enableItem |= item->bit;
    }
    storage_.SaveSettings();
}

MenuState CMonitorForm::ShowItemState(int command) const {
    const SensorItem* item = ItemWith(&SensorItem::showCommand, command);
    if (item == nullptr) return {false, false};
    return {(settings_.vendorUnavailable & item->bit) == 0, (settings_.enableItem & item->bit) != 0};
}

void CMonitorForm::OnTempUnit() {
    settings_.tempUnit = settings_.tempUnit == 0 ? 1 : 0;
    controls_.InvalidateForm();
    UpdatePictures();
    SelectItem(settings_.limits.mask);
    storage_.SaveSettings();
}

ColourCode CMonitorForm::ColourOf(int control) const {
    for (std::size_t i = 0; i < kSensorItems.size(); ++i) {
        const SensorItem& item = kSensorItems[i];
        if (control == item.valueField) {
            switch (values_.States()[i]) {
            case StateAlarm: return ColourValueAlarm;
            case StateHidden: return ColourValueHidden;
            default: return ColourValueNormal;
            }
        }
        if (control == item.checkBox)
            return (settings_.enableItem & item.bit) ? ColourBoxVisible : ColourBoxHidden;
    }
    return ColourDefault;
}

void CMonitorForm::UpdatePictures() {
    pictures_.UpdateStatusPictures(driver_, settings_.limits, settings_.enableItem, settings_.tempUnit);
}

}  // namespace pelmox
