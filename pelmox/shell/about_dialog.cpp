#include "about_dialog.h"

#include "pelmox/res/resource_ids.h"

namespace pelmox {

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
}

}  // namespace pelmox
