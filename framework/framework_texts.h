// The framework's own texts: its standard validation messages and the
// application title it derives from the program file's name.
#pragma once

#include <string>
#include <string_view>

namespace fw {

constexpr char kIntegerRangeMessage[] = "Please enter an integer between %1 and %2.";
constexpr char kNumberRangeMessage[] = "Please enter a number between %1 and %2.";
constexpr char kParseIntegerMessage[] = "Please enter an integer.";

// `format` with each %1 and %2 replaced by `first` and `second`.
std::string FormatMessage(std::string_view format, std::string_view first, std::string_view second);

// The range message for an integer or a real-number field.
std::string RangeMessage(bool integer, std::string_view low, std::string_view high);

// The program file's base name without its extension:
// "C:\\Tools\\KALVOR.EXE" gives "KALVOR".
std::string TitleFromModulePath(std::string_view path);

}  // namespace fw
