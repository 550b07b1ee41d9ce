// The vendor file ".\Vendor.ini": factory settings as lines of KEY = VALUE
// with ";" comments. Keys and values are read without regard to case.
#pragma once

#include <string>
#include <string_view>

namespace pelmox {

constexpr char kVendorFileName[] = ".\\Vendor.ini";
// The longest value kept; longer ones are cut.
constexpr std::size_t kVendorValueRoom = 199;

// The file's text as a program reading it in text mode sees it: each
// carriage return and line feed pair is one line end.
class VendorText {
public:
    explicit VendorText(std::string_view bytes);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// Looks `key` up from the start of the file: its first occurrence outside
// comments, anywhere in a line. The value is what follows the next "=",
// up to ";", the line end or the end of the file, upper-cased, without
// blanks and further "=". False when the key is not in the file.
//
// The match is plain: a character that breaks a partial match starts
// the search again from the key's first character without being compared
// again, so "SSOUND" does not hold "SOUND".
bool FindVendorValue(const VendorText& file, std::string_view key, std::string& value);

}  // namespace pelmox
