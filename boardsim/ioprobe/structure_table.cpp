#include "structure_table.h"

namespace boardsim {
namespace {

constexpr uint8_t kEndOfTableType = 127;
constexpr uint8_t kFillerType = 0x81;
constexpr uint32_t kFillerFirstHandle = 0x1000;
constexpr uint32_t kAnswerHeaderSize = 4;

// A filler structure: 4-byte header, no strings.
constexpr uint32_t kFillerSize = 6;

void PutUint32(uint8_t* out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

struct Located {
    StructureSpan span;
    uint32_t nextHandle;
};

uint32_t FirstHandle(const uint8_t* table, uint32_t length) {
    StructureCursor cursor(table, length);
    StructureSpan first;
    return cursor.Next(first) ? first.handle : 0;
}

// Finds the structure a request names: handle 0 is the first structure,
// any other handle the first structure that carries it.
bool Locate(const uint8_t* table, uint32_t length, Fault fault, uint32_t handle,
            Located& found) {
    StructureCursor cursor(table, length);
    StructureSpan span;
    bool have = false;
    bool isFirst = true;
    while (cursor.Next(span)) {
        if (have) {
            found.nextHandle = span.handle;
            return true;
        }
        if ((handle == 0 && isFirst) || (handle != 0 && span.handle == handle)) {
            found.span = span;
            have = true;
        }
        isFirst = false;
    }
    if (!have) return false;
    switch (fault) {
    case Fault::Cycle: found.nextHandle = FirstHandle(table, length); break;
    case Fault::Endless: found.nextHandle = kFillerFirstHandle; break;
    default: found.nextHandle = kLastHandle; break;
    }
    return true;
}

bool LocateLast(const uint8_t* table, uint32_t length, Located& found) {
    StructureCursor cursor(table, length);
    StructureSpan span;
    bool have = false;
    while (cursor.Next(span)) {
        found.span = span;
        have = true;
    }
    found.nextHandle = kLastHandle;
    return have;
}

void Clear(uint8_t* out, uint32_t outSize) {
    for (uint32_t i = 0; i < outSize; ++i) out[i] = 0;
}

uint32_t CopyAnswer(const uint8_t* table, const Located& found, uint8_t* out,
                    uint32_t outSize) {
    PutUint32(out, found.nextHandle);
    uint32_t room = outSize - kAnswerHeaderSize;
    uint32_t size = found.span.size < room ? found.span.size : room;
    for (uint32_t i = 0; i < size; ++i) out[kAnswerHeaderSize + i] = table[found.span.offset + i];
    return kAnswerHeaderSize + size;
}

uint32_t FillerAnswer(uint32_t handle, uint8_t* out, uint32_t outSize) {
    uint32_t next = handle + 1;
    if (next == kLastHandle) ++next;
    uint8_t filler[kFillerSize] = {kFillerType, 4, static_cast<uint8_t>(handle),
                                   static_cast<uint8_t>(handle >> 8), 0, 0};
    PutUint32(out, next);
    uint32_t room = outSize - kAnswerHeaderSize;
    uint32_t size = kFillerSize < room ? kFillerSize : room;
    for (uint32_t i = 0; i < size; ++i) out[kAnswerHeaderSize + i] = filler[i];
    return kAnswerHeaderSize + size;
}

}  // namespace

StructureCursor::StructureCursor(const uint8_t* table, uint32_t length)
    : table_(table), length_(table ? length : 0) {}

bool StructureCursor::Next(StructureSpan& span) {
    if (ended_ || offset_ >= length_ || length_ - offset_ < 4) return false;
    const uint8_t* s = table_ + offset_;
    uint32_t formatted = s[1];
    if (formatted < 4 || formatted > length_ - offset_) {
        ended_ = true;
        return false;
    }
    // The string set ends at the first double NUL after the formatted area.
    uint32_t p = offset_ + formatted;
    while (p + 1 < length_ && !(table_[p] == 0 && table_[p + 1] == 0)) ++p;
    if (p + 1 >= length_) {
        ended_ = true;
        return false;
    }
    span.offset = offset_;
    span.size = p + 2 - offset_;
    span.type = s[0];
    span.handle = static_cast<uint16_t>(s[2] | (s[3] << 8));
    offset_ = p + 2;
    if (span.type == kEndOfTableType) ended_ = true;
    return true;
}

bool AnswerStructureRequest(const uint8_t* table, uint32_t length, Fault fault,
                            uint32_t handle, uint8_t* out, uint32_t outSize,
                            uint32_t& written) {
    written = 0;
    if (out == nullptr || outSize < kAnswerHeaderSize) return false;
    Clear(out, outSize);
    if (fault == Fault::FailAll) return false;

    Located found{};
    if (Locate(table, length, fault, handle, found)) {
        written = CopyAnswer(table, found, out, outSize);
        return true;
    }
    if (fault == Fault::Endless && handle >= kFillerFirstHandle) {
        written = FillerAnswer(handle, out, outSize);
        return true;
    }
    if (fault == Fault::AnswerLast && handle == kLastHandle && LocateLast(table, length, found)) {
        written = CopyAnswer(table, found, out, outSize);
        return true;
    }
    return false;
}

}  // namespace boardsim
