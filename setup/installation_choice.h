// Which installation a board gets, by its identifier.
#pragma once

#include <string_view>

namespace setup {

enum class Installation {
    RavloFromHw1,  // install the thermal monitor with the INF installer, then start it
    InstallerHw2,  // start HW2\Setup.exe
    InstallerHw3,
    InstallerHw4,
};

// Compares the identifier whole and case-sensitively with the board table
// in its order; boards not in the table, and the empty identifier, get the
// installer in HW3.
Installation ChooseInstallation(std::string_view identifier);

}  // namespace setup
