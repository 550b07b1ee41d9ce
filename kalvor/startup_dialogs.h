// The three small dialogs of the monitor's start-up: the wait dialog that
// runs the start-up sequence, the driver error and the bus in use.
#pragma once

#include "framework/dialog.h"
#include "startup.h"

namespace kalvor {

// Shown while the chip starts. Its first paint starts the start-up
// sequence through a posted message; when the sequence is done it closes.
class CWaitDlg final : public fw::CDialog {
public:
    explicit CWaitDlg(KalvorStartup& startup);

protected:
    bool OnWndMsg(UINT message, WPARAM w, LPARAM l) override;

private:
    void OnPaint(WPARAM, LPARAM);
    void OnKillFocus(WPARAM, LPARAM);

    KalvorStartup& startup_;
};

// The bus driver is missing or the chip is not the expected one. OK ends
// the process at once.
class CDriverErrorDlg final : public fw::CDialog {
public:
    CDriverErrorDlg();

protected:
    void OnOK() override;
};

// Another process uses the bus. Its callers end the process once it closes.
class CInUseDlg final : public fw::CDialog {
public:
    CInUseDlg();
};

}  // namespace kalvor
