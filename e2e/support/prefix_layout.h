// Where the session harness (e2e/harness/wine-session.sh) puts things in
// the Wine prefix. The two must agree.
#pragma once

namespace e2e {

constexpr char kWindowsDirectory[] = "C:\\windows";
constexpr char kBoardDirectory[] = "C:\\boardsim";
constexpr char kShotsDirectory[] = "C:\\boardsim\\shots";

// One installation medium, reachable at three places.
constexpr char kMediumDirectory[] = "C:\\medium";
constexpr char kMediumDriveRoot[] = "M:\\";
// Longer than the 29-character room the setup launcher first reads into.
constexpr char kLongMediumDirectory[] = "C:\\Ostrel Driver Disk\\Mainboard Utilities";

constexpr char kIoprobeService[] = "ioprobe";

}  // namespace e2e
