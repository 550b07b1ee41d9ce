#include "pelmox_app.h"

#include "about_dialog.h"
#include "framework/doc_template.h"
#include "framework/framework_ids.h"
#include "main_frame.h"
#include "pelmox/core/pelmox_doc.h"
#include "pelmox/core/pelmox_view.h"
#include "pelmox/res/resource_ids.h"

namespace pelmox {

namespace {

constexpr int kRecentFiles = 4;

}  // namespace

bool CPelMoxApp::InitInstance() {
    Enable3dControls();
    LoadStdProfileSettings(kRecentFiles);
    AddDocTemplate(fw::CSingleDocTemplate::Make<CPelMoxDoc, CMainFrame, CPelMoxView>(IDR_MAINFRAME));
    return ProcessShellCommand(ParseCommandLine());
}

bool CPelMoxApp::OnCmdMsg(UINT id, fw::CCmdUI* state) {
    static const fw::CommandEntry<CPelMoxApp> kCommands[] = {
        fw::Command(ID_APP_ABOUT, &CPelMoxApp::OnAppAbout),
    };
    return fw::RouteCommand(*this, kCommands, id, state) || CWinApp::OnCmdMsg(id, state);
}

void CPelMoxApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

}  // namespace pelmox
