#include "data_exchange.h"

#include <climits>
#include <cstdlib>
#include <vector>

#include "framework_texts.h"
#include "win_app.h"

namespace fw {
namespace {

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    int length = GetWindowTextLengthA(item);
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    GetWindowTextA(item, text.data(), length + 1);
    return text.data();
}

// A whole decimal integer, with optional blanks around and a sign.
bool ParseInt(const std::string& text, int& value) {
    const char* start = text.c_str();
    char* end = nullptr;
    long number = std::strtol(start, &end, 10);
    if (end == start) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0' || number < INT_MIN || number > INT_MAX) return false;
    value = static_cast<int>(number);
    return true;
}

}  // namespace

void CDataExchange::Text(int id, std::string& value) {
    if (Skip()) return;
    lastField_ = id;
    if (saveAndValidate_)
        value = ItemText(dialog_, id);
    else
        SetDlgItemTextA(dialog_, id, value.c_str());
}

void CDataExchange::Int(int id, int& value) {
    if (Skip()) return;
    lastField_ = id;
    if (!saveAndValidate_) {
        SetDlgItemTextA(dialog_, id, std::to_string(value).c_str());
        return;
    }
    if (!ParseInt(ItemText(dialog_, id), value)) Fail(kParseIntegerMessage);
}

void CDataExchange::Check(int id, int& value) {
    if (Skip()) return;
    lastField_ = id;
    if (saveAndValidate_)
        value = IsDlgButtonChecked(dialog_, id) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(dialog_, id, value ? BST_CHECKED : BST_UNCHECKED);
}

void CDataExchange::ComboIndex(int id, int& value) {
    if (Skip()) return;
    lastField_ = id;
    if (saveAndValidate_)
        value = static_cast<int>(SendDlgItemMessageA(dialog_, id, CB_GETCURSEL, 0, 0));
    else
        SendDlgItemMessageA(dialog_, id, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void CDataExchange::Fail(const std::string& message) {
    failed_ = true;
    AppMessageBox(dialog_, message, MB_OK | MB_ICONEXCLAMATION);
    HWND field = GetDlgItem(dialog_, lastField_);
    if (field == nullptr) return;
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
}

}  // namespace fw
