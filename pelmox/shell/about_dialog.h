// The About box: the logo and the program's name and version.
#pragma once

#include "framework/dialog.h"

namespace pelmox {

class CAboutDlg : public fw::CDialog {
public:
    CAboutDlg();

protected:
    void OnInitDialog() override;
};

}  // namespace pelmox
