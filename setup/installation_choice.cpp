#include "installation_choice.h"

#include <array>

namespace setup {
namespace {

struct BoardEntry {
    std::string_view identifier;
    Installation installation;
};

constexpr std::array<BoardEntry, 8> kBoardTable{{
    {"QR4W", Installation::RavloFromHw1},
    {"QR4WD", Installation::RavloFromHw1},
    {"QT4W", Installation::RavloFromHw1},
    {"QT7G", Installation::RavloFromHw1},
    {"QR39", Installation::RavloFromHw1},
    {"QT7M", Installation::InstallerHw2},
    {"QR48Z", Installation::InstallerHw4},
    {"ZQ8802", Installation::InstallerHw4},
}};

}  // namespace

Installation ChooseInstallation(std::string_view identifier) {
    for (const BoardEntry& entry : kBoardTable)
        if (entry.identifier == identifier) return entry.installation;
    return Installation::InstallerHw3;
}

}  // namespace setup
