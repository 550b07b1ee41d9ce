#include "firmware_strings.h"

#include "boardsim/ioprobe/structure_table.h"

namespace boardsim {
namespace {

constexpr std::size_t kRawHeaderSize = 8;
constexpr std::size_t kRawLengthOffset = 4;

// String `number` (counted from 1) of the structure at `span`; "" for 0 or
// for a number past the end of its string set.
std::string StringOf(const std::uint8_t* table, const StructureSpan& span, std::uint8_t number) {
    if (number == 0) return {};
    const std::uint8_t* p = table + span.offset + table[span.offset + 1];
    const std::uint8_t* end = table + span.offset + span.size - 1;
    for (std::uint8_t n = 1; p < end && *p != 0; ++n) {
        const std::uint8_t* stop = p;
        while (stop < end && *stop != 0) ++stop;
        if (n == number) return std::string(p, stop);
        p = stop + 1;
    }
    return {};
}

}  // namespace

std::optional<SystemInformation> SystemInformationFromRawTable(const std::uint8_t* data,
                                                              std::size_t size) {
    if (data == nullptr || size < kRawHeaderSize) return std::nullopt;
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i) length |= std::uint32_t{data[kRawLengthOffset + i]} << (8 * i);
    if (length > size - kRawHeaderSize) return std::nullopt;

    const std::uint8_t* table = data + kRawHeaderSize;
    StructureCursor cursor(table, length);
    StructureSpan span;
    while (cursor.Next(span)) {
        if (span.type != kSystemInformationType || table[span.offset + 1] < 8) continue;
        const std::uint8_t* s = table + span.offset;
        SystemInformation info;
        info.manufacturer = StringOf(table, span, s[4]);
        info.productName = StringOf(table, span, s[5]);
        info.version = StringOf(table, span, s[6]);
        info.serialNumber = StringOf(table, span, s[7]);
        return info;
    }
    return std::nullopt;
}

}  // namespace boardsim
