#include "warning_list_dialog.h"

#include "resource_ids.h"

namespace kalvor {
namespace {

// The controls of the seven lines, from the top.
constexpr int kLineControls[kWarningLines] = {IDC_WARNING_LINE1, IDC_WARNING_LINE2, IDC_WARNING_LINE3,
                                              IDC_WARNING_LINE4, IDC_WARNING_LINE5, IDC_WARNING_LINE6,
                                              IDC_WARNING_LINE7};

}  // namespace

CWarningListDlg::CWarningListDlg(const WarningLines& lines) : CDialog(IDD_WARNING_LIST), lines_(lines) {}

void CWarningListDlg::DoDataExchange(fw::CDataExchange& exchange) {
    for (int line = 0; line < kWarningLines; ++line) exchange.Text(kLineControls[line], lines_[line]);
}

}  // namespace kalvor
