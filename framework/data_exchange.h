// Dialog data exchange: moves values between a dialog's controls and the
// fields that hold them, in one direction per run. When a field fails its
// validation the user is told in a message box, the focus goes back to
// that field with its text selected, and the rest of the run is skipped.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

    bool SaveAndValidate() const { return saveAndValidate_; }
    bool Failed() const { return failed_; }

    void Text(int id, std::string& value);
    // The decimal text of an integer; a text that is no integer fails.
    void Int(int id, int& value);
    // A check box's or a radio button's state, 0 or 1.
    void Check(int id, int& value);
    // The selected item of a combo box, -1 for none.
    void ComboIndex(int id, int& value);

    // Tells the user `message`, returns the focus to the last field
    // exchanged and ends the run.
    void Fail(const std::string& message);

private:
    bool Skip() const { return failed_; }

    HWND dialog_;
    bool saveAndValidate_;
    bool failed_ = false;
    int lastField_ = 0;
};

}  // namespace fw
