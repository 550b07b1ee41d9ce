// kalvor: the SMBus health monitor. One dialog, normally hidden behind its
// tray icon, watches the board's monitor chip through SMBUS.dll.
#include <windows.h>

#include "kalvor_program.h"

namespace {
kalvor::KalvorProgram theProgram;
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return fw::RunApplication(theProgram.application); }
