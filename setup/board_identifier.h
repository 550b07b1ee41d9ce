// The board identifier: the product name, the second string of the
// firmware's System Information structure.
#pragma once

#include <string>

#include "ioprobe/structure_walk.h"

namespace setup {

constexpr std::uint8_t kSystemInformationType = 1;
constexpr std::size_t kMaxIdentifierLength = 127;

// Takes the identifier from a driver answer: the text after the first NUL
// at answer offsets 12 to 31, or from offset 33 when those hold none. The
// structure's length byte is not consulted. At most kMaxIdentifierLength
// characters, and never past the end of the answer.
std::string IdentifierFromAnswer(const ioprobe::Buffer& answer);

// Walks for the System Information structure, asks for it again into an
// answer of its own and takes the identifier from it; "" when that request
// fails. The driver must already be open.
std::string ReadBoardIdentifier(ioprobe::StructureSource& source);

}  // namespace setup
