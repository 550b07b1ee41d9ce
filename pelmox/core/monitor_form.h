// The monitor view's behaviour apart from its windows: the timer tick,
// the value display, the limit editor (item list, limit fields, sliders),
// the alarm boxes, the "Setup" commands, the colours and the tooltips.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "alarm_evaluation.h"
#include "chipset_driver.h"
#include "form_controls.h"
#include "item_texts.h"
#include "settings_storage.h"
#include "status_pictures.h"

namespace pelmox {

// Colour codes of the form's static controls.
enum ColourCode : int {
    ColourDefault = 0,
    ColourValueNormal = 1,
    ColourValueAlarm = 2,
    ColourValueHidden = 3,
    ColourBoxVisible = 4,
    ColourBoxHidden = 5,
};

struct ControlColours {
    std::uint32_t text;  // COLORREF
    bool greyBackground;  // solid 0xC0C0C0; else the framework's default
};

constexpr std::uint32_t kFormBackground = 0xC0C0C0;

ControlColours ColoursOf(ColourCode code);

// The text a control's tooltip asks for; nullptr for other controls.
const char* TooltipText(int control);

// Whether a "Visibe" menu entry can be chosen and is checked.
struct MenuState {
    bool enabled;
    bool checked;
};

class CMonitorForm {
public:
    struct Parts {
        PelmoxSettings& settings;
        CChipsetDriver& driver;
        SettingsStorage& storage;
        CStatusPictures& pictures;
        CAlarmEvaluator& evaluator;
        FormControls& controls;
        std::function<void()> toneTick;  // the speaker queue's 100 ms
    };

    explicit CMonitorForm(const Parts& parts);

    // Window creation, once the driver is open and registered.
    void OnCreate() { storage_.RunStartup(); }
    // Every 100 ms.
    void OnTimerTick();
    // Every paint of the form.
    void UpdateDisplay();

    void InitSliders();
    void SelectItem(std::uint32_t item);
    void OnSlider();
    void OnAlarmBox(int control);
    void OnListSelection();
    std::uint32_t GetAlarmChecks();

    void OnSound();
    bool SoundChecked() const { return settings_.soundEnable == 1; }
    void OnResetToDefault();
    void OnShowItem(int command);
    MenuState ShowItemState(int command) const;
    void OnTempUnit();
    bool TempUnitChecked() const { return settings_.tempUnit != 0; }

    ColourCode ColourOf(int control) const;

    int TickCounter() const { return tickCounter_; }

private:
    void UpdatePictures();
    void ArmItem(std::uint32_t item);
    void DisarmItem(std::uint32_t item);
    void SelectIfSingleItem(std::uint32_t item);

    PelmoxSettings& settings_;
    CChipsetDriver& driver_;
    SettingsStorage& storage_;
    CStatusPictures& pictures_;
    CAlarmEvaluator& evaluator_;
    FormControls& controls_;
    std::function<void()> toneTick_;

    // One position per limit, in the order of the limit block.
    std::array<int, 12> positions_{};
    std::uint32_t selectedItem_ = 0;
    ValueTexts values_;
    int tickCounter_ = 0;
    bool firstPaint_ = true;
};

}  // namespace pelmox
