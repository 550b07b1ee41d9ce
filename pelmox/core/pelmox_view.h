// The monitor view: the form of template 101 inside the main frame. It
// owns the driver handle, the settings and the 100 ms monitoring timer;
// it shows the eight values in their colours, the status pictures and the
// limit editor, and it answers the "Setup" menu. Its rules live in the
// portable CMonitorForm; this class ties them to the form's controls.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/form_view.h"
#include "pelmox/core/alarm_evaluation.h"
#include "pelmox/core/chipset_driver.h"
#include "pelmox/core/driver_device_win32.h"
#include "pelmox/core/form_controls.h"
#include "pelmox/core/monitor_form.h"
#include "pelmox/core/picture_display_win32.h"
#include "pelmox/core/settings_registry_win32.h"
#include "pelmox/core/settings_storage.h"
#include "pelmox/core/status_pictures.h"
#include "pelmox/shell/tone_queue.h"
#include "pelmox/shell/warning_dialog.h"

namespace pelmox {

class CPelMoxView : public fw::CFormView, private AlarmHost, private DriverReporter, private FormControls {
public:
    CPelMoxView();
    ~CPelMoxView() override;

    bool OnCmdMsg(UINT id, fw::CCmdUI* state) override;
    void OnInitialUpdate() override;

protected:
    bool OnCreate() override;
    void OnDestroy() override;
    void OnDraw(HDC) override;
    bool OnWndMsg(UINT message, WPARAM w, LPARAM l) override;

private:
    // The pieces bound to the driver, made once the driver was opened.
    struct Monitor;

    void OnTimer(WPARAM, LPARAM);
    void OnClose(WPARAM, LPARAM);
    void OnAlarmBox(UINT id);
    void OnListSelection();
    void OnHScroll(WPARAM, LPARAM);
    void OnColour(WPARAM dc, LPARAM control);
    void OnNotify(WPARAM, LPARAM header);
    void OnDriverNotify(WPARAM, LPARAM) { SetMsgResult(0); }

    void OnSound();
    void OnUpdateSound(fw::CCmdUI& state);
    void OnResetToDefault();
    void OnShowItem(UINT id);
    void OnUpdateShowItem(fw::CCmdUI& state);
    void OnTempUnit();
    void OnUpdateTempUnit(fw::CCmdUI& state);

    // AlarmHost
    std::uint32_t AlarmChecks() override;
    bool PlaySoundFile(const char* name) override;
    void EnqueueTone(int hertz, int milliseconds) override;
    void ShowWarning(const std::string& text, int kind) override;
    // DriverReporter
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    void PostQuit() override;
    // FormControls
    void SetText(int control, const std::string& text) override;
    void SetCheck(int control, bool checked) override;
    bool IsChecked(int control) override;
    void AddListText(const char* text) override;
    void SelectListIndex(int index) override;
    int ListSelection() override;
    void SetSliderRange(int control, int low, int high) override;
    void SetSliderPosition(int control, int position) override;
    int SliderPosition(int control) override;
    void InvalidateForm() override;
    void ShowMessage(const std::string& text, const std::string& caption, unsigned icon) override;

    CWarningDlg warning_;
    PelmoxSettings settings_;
    Win32DriverDevice device_;
    Win32SettingsRegistry registry_;
    Win32VendorFile vendorFile_;
    std::unique_ptr<Speaker> speaker_;
    CToneQueue toneQueue_;
    std::unique_ptr<Monitor> monitor_;
    UINT timer_ = 0;
    bool failureShown_ = false;
    HBRUSH valueBrush_;
};

}  // namespace pelmox
