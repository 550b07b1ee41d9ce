// The form's controls in memory, as the monitor form's rules see them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "pelmox/core/form_controls.h"

namespace pelmox {

class FakeForm final : public FormControls {
public:
    void SetText(int control, const std::string& text) override { texts[control] = text; }
    void SetCheck(int control, bool checked) override { checks[control] = checked; }
    bool IsChecked(int control) override { return checks[control]; }
    void AddListText(const char* text) override { list.emplace_back(text); }
    void SelectListIndex(int index) override { selection = index; }
    int ListSelection() override { return selection; }
    void SetSliderRange(int control, int low, int high) override { ranges[control] = {low, high}; }
    void SetSliderPosition(int control, int position) override { sliders[control] = position; }
    int SliderPosition(int control) override { return sliders[control]; }
    void InvalidateForm() override { ++invalidations; }
    void ShowMessage(const std::string& text, const std::string& caption, unsigned icon) override {
        messages.push_back(text + "|" + caption + "|" + std::to_string(icon));
    }

    std::map<int, std::string> texts;
    std::map<int, bool> checks;
    std::vector<std::string> list;
    int selection = -1;
    std::map<int, std::pair<int, int>> ranges;
    std::map<int, int> sliders;
    int invalidations = 0;
    std::vector<std::string> messages;
};

}  // namespace pelmox
