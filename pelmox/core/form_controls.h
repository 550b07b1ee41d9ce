// What the monitor form's rules need of the form's controls; the view
// implements it over the real controls, tests over a fake.
#pragma once

#include <string>

namespace pelmox {

class FormControls {
public:
    // A static text or a limit field's whole text.
    virtual void SetText(int control, const std::string& text) = 0;
    virtual void SetCheck(int control, bool checked) = 0;
    // True only for the checked state.
    virtual bool IsChecked(int control) = 0;
    // The item list.
    virtual void AddListText(const char* text) = 0;
    virtual void SelectListIndex(int index) = 0;
    // -1 without a selection.
    virtual int ListSelection() = 0;
    // The sliders: the range without redrawing, the position with.
    virtual void SetSliderRange(int control, int low, int high) = 0;
    virtual void SetSliderPosition(int control, int position) = 0;
    virtual int SliderPosition(int control) = 0;
    // The whole form, repainted later without erasing.
    virtual void InvalidateForm() = 0;
    virtual void ShowMessage(const std::string& text, const std::string& caption, unsigned icon) = 0;

protected:
    ~FormControls() = default;
};

}  // namespace pelmox
