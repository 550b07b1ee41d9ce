#include "board_identifier.h"

#include <algorithm>

namespace setup {
namespace {

// Byte 8 of the structure, where the string set of an 8-byte formatted
// area begins, sits at answer offset 12.
constexpr std::size_t kFirstStringOffset = 12;
constexpr std::size_t kFirstStringSearchEnd = 31;
constexpr std::size_t kFallbackOffset = 33;

std::size_t IdentifierOffset(const ioprobe::Buffer& answer) {
    auto first = answer.begin() + kFirstStringOffset;
    auto last = answer.begin() + kFirstStringSearchEnd + 1;
    auto nul = std::find(first, last, std::uint8_t{0});
    if (nul == last) return kFallbackOffset;
    return static_cast<std::size_t>(nul - answer.begin()) + 1;
}

}  // namespace

std::string IdentifierFromAnswer(const ioprobe::Buffer& answer) {
    std::size_t begin = IdentifierOffset(answer);
    std::size_t end = std::min(answer.size(), begin + kMaxIdentifierLength);
    auto text = answer.begin() + begin;
    auto stop = std::find(text, answer.begin() + end, std::uint8_t{0});
    return std::string(text, stop);
}

std::string ReadBoardIdentifier(ioprobe::StructureSource& source) {
    ioprobe::Buffer walkAnswer{};
    std::uint32_t handle = ioprobe::WalkForType(source, kSystemInformationType, walkAnswer);
    ioprobe::Buffer answer{};
    if (!source.GetStructure(handle, answer)) return {};
    return IdentifierFromAnswer(answer);
}

}  // namespace setup
