// The application: one document template tying the data-less document,
// the main frame and the monitor view together, and the About command.
#pragma once

#include "framework/win_app.h"

namespace pelmox {

class CPelMoxApp : public fw::CWinApp {
public:
    bool InitInstance() override;
    bool OnCmdMsg(UINT id, fw::CCmdUI* state) override;

private:
    void OnAppAbout();
};

}  // namespace pelmox
