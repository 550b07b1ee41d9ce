#include "framework_texts.h"

namespace fw {

std::string FormatMessage(std::string_view format, std::string_view first, std::string_view second) {
    std::string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        bool placeholder = format[i] == '%' && i + 1 < format.size() && (format[i + 1] == '1' || format[i + 1] == '2');
        if (!placeholder) {
            text += format[i];
            continue;
        }
        text += format[i + 1] == '1' ? first : second;
        ++i;
    }
    return text;
}

std::string RangeMessage(bool integer, std::string_view low, std::string_view high) {
    return FormatMessage(integer ? kIntegerRangeMessage : kNumberRangeMessage, low, high);
}

std::string TitleFromModulePath(std::string_view path) {
    std::size_t slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.find_last_of('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

}  // namespace fw
