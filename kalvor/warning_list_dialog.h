// The warning list: one line for each active alarm, from the top.
#pragma once

#include "framework/dialog.h"
#include "kalvor_ui.h"

namespace kalvor {

class CWarningListDlg final : public fw::CDialog {
public:
    explicit CWarningListDlg(const WarningLines& lines);

protected:
    void DoDataExchange(fw::CDataExchange& exchange) override;

private:
    WarningLines lines_;
};

}  // namespace kalvor
