// boardsetup: identifies the board through the firmware driver and starts
// the matching installation from the medium it was started on.
#include <windows.h>

#include "ioprobe/ioprobe_driver.h"
#include "board_identifier.h"
#include "board_setup.h"
#include "win32_setup_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ioprobe::OpenDriver();
    ioprobe::DriverStructureSource driver;
    std::string identifier = setup::ReadBoardIdentifier(driver);
    ioprobe::CloseDriver();

    setup::Win32SetupPlatform platform;
    setup::StartInstallation(identifier, platform);
    return 0;
}
