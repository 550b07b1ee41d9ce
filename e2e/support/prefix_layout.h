// Where the session harness (e2e/harness/wine-session.sh) puts things in
// the Wine prefix. The two must agree.
#pragma once

namespace e2e {

constexpr char kWindowsDirectory[] = "C:\\windows";
constexpr char kBoardDirectory[] = "C:\\boardsim";
constexpr char kShotsDirectory[] = "C:\\boardsim\\shots";

// The installation medium as it ships.
constexpr char kMediumDirectory[] = "C:\\medium";

// The probe medium: the same, but its HW1\Ravlo.exe records how it was
// started. One copy, reachable at three places.
constexpr char kProbeMediumDirectory[] = "C:\\probe-medium";
constexpr char kProbeMediumDriveRoot[] = "M:\\";
// Longer than the 29-character room the setup launcher first reads into.
constexpr char kLongProbeMediumDirectory[] = "C:\\Ostrel Driver Disk\\Mainboard Utilities";

constexpr char kIoprobeService[] = "ioprobe";
constexpr char kChipsetService[] = "pelmox";

// kalvor with its factory settings and its own SMBUS.dll; it is started
// in this directory, where it keeps its settings file.
constexpr char kKalvorDirectory[] = "C:\\kalvor";
constexpr char kKalvorProgram[] = "C:\\kalvor\\KALVOR.EXE";

// pelmox alone; it is started in this directory, where it looks for its
// vendor file and its warning sound.
constexpr char kPelmoxDirectory[] = "C:\\pelmox";
constexpr char kPelmoxProgram[] = "C:\\pelmox\\PELMOX.EXE";

}  // namespace e2e
