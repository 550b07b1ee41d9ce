// The warning: its text, a picture animated by the kind of warning, and
// "Help", "Display" and "OK". One at a time: a warning raised while one is
// on screen is dropped. The modal loop keeps the view's timer running.
#pragma once

#include <string>

#include "framework/dialog.h"
#include "pelmox/core/picture_display_win32.h"
#include "warning_animation.h"

namespace pelmox {

class CWarningDlg : public fw::CDialog {
public:
    CWarningDlg();

    // Shows the warning and returns when it is closed; returns at once
    // when another warning is on screen.
    void ShowWarning(const std::string& text, int kind);

protected:
    bool OnCreate() override;
    void OnInitDialog() override;
    void OnOK() override { CDialog::OnOK(); }
    void OnDestroy() override;
    bool OnWndMsg(UINT message, WPARAM w, LPARAM l) override;

private:
    void OnTimer(WPARAM, LPARAM);
    void OnPaint(WPARAM, LPARAM);
    void OnHelp();
    void OnDisplay();
    void AnimationStep();

    bool painted_ = false;
    std::string text_;
    int kind_ = 0;
    UINT timer_ = 0;
    WarningGate gate_;

    // Kept across showings: a new warning goes on where the last stopped,
    // with the pictures loaded at the first.
    WarningAnimation animation_;
    Win32PictureDisplay pictures_;
    bool animationBusy_ = false;
    bool timerBusy_ = false;
};

}  // namespace pelmox
