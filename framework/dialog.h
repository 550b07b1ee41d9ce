// A modal dialog from a numbered template. The framework answers
// WM_INITDIALOG (data exchange toward the controls), the OK command (data
// exchange from the controls, then the end) and the Cancel command (the
// end); a derived class's message map comes first for everything else.
#pragma once

#include "data_exchange.h"
#include "wnd.h"

namespace fw {

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId) : templateId_(templateId) {}

    // Runs the dialog's own message loop until it ends; returns the result
    // given to EndDialog, or -1 when the dialog could not be created.
    // Without an owner, the application's main window owns it.
    INT_PTR DoModal(HWND owner = nullptr);
    void EndDialog(INT_PTR result);

    // Data exchange in one direction: from the controls when
    // `saveAndValidate`, else toward them. False when a field failed its
    // validation (the user was told and the field has the focus).
    bool UpdateData(bool saveAndValidate);

    // Centres the dialog over its owner, or on the screen while the owner
    // is hidden or minimised.
    void CenterWindow() const;

protected:
    ~CDialog() = default;

    virtual void DoDataExchange(CDataExchange&) {}
    // The window exists, before its initialisation; false ends the dialog
    // with -1. (A dialog procedure never sees WM_CREATE.)
    virtual bool OnCreate() { return true; }
    virtual void OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    bool OnWndMsg(UINT message, WPARAM w, LPARAM l) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l);

    int templateId_;
};

}  // namespace fw
