// PELMOX.EXE: the chipset hardware monitor.
#include <windows.h>

#include "pelmox_app.h"

namespace {

pelmox::CPelMoxApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return fw::RunApplication(theApp); }
