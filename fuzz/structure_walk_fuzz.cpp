// The structure walk and the board identifier over arbitrary driver
// answers: the walk ends (its request bound), and the identifier is at
// most its longest length and never read past the answer.
#include <cstdlib>

#include "scripted_structures.h"
#include "setup/board_identifier.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    std::uint8_t wanted = input.Byte();
    fuzz::ScriptedStructures driver(input);

    ioprobe::Buffer answer{};
    ioprobe::WalkForType(driver, wanted, answer);
    std::string identifier = setup::ReadBoardIdentifier(driver);
    if (identifier.size() > setup::kMaxIdentifierLength) std::abort();
    if (identifier.find('\0') != std::string::npos) std::abort();
    return 0;
}
