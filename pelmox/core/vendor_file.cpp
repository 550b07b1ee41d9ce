#include "vendor_file.h"

namespace pelmox {
namespace {

constexpr char kLineEnd = '\n';
constexpr char kComment = ';';

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The position just after the key's first match outside comments, or npos.
std::size_t FindKey(const std::string& text, const std::string& key) {
    std::size_t matched = 0;
    bool inComment = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        char c = text[at];
        if (inComment) {
            inComment = c != kLineEnd;
            continue;
        }
        if (c == kComment || c == kLineEnd) {
            inComment = c == kComment;
            matched = 0;
            continue;
        }
        if (Upper(c) != key[matched]) {
            matched = 0;
            continue;
        }
        if (++matched == key.size()) return at + 1;
    }
    return std::string::npos;
}

std::string ReadValue(const std::string& text, std::size_t from) {
    std::size_t equals = text.find('=', from);
    std::string value;
    if (equals == std::string::npos) return value;
    for (std::size_t at = equals + 1; at < text.size(); ++at) {
        char c = text[at];
        if (c == kComment || c == kLineEnd) break;
        if (c == ' ' || c == '=') continue;
        if (value.size() < kVendorValueRoom) value += Upper(c);
    }
    return value;
}

}  // namespace

VendorText::VendorText(std::string_view bytes) {
    text_.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') continue;
        text_ += bytes[at];
    }
}

bool FindVendorValue(const VendorText& file, std::string_view key, std::string& value) {
    if (key.empty()) return false;
    std::string upperKey;
    for (char c : key) upperKey += Upper(c);
    std::size_t after = FindKey(file.Text(), upperKey);
    if (after == std::string::npos) return false;
    value = ReadValue(file.Text(), after);
    return true;
}

}  // namespace pelmox
