#include "library_bus.h"

#include <windows.h>

// SMBUS.dll's six operations. Every argument is a 32-bit integer; of every
// result only the low 16 bits mean anything.
extern "C" {
__declspec(dllimport) int WINAPI CheckDriver();
__declspec(dllimport) int WINAPI RegUsing(int client);
__declspec(dllimport) int WINAPI ChkUsing(int client);
__declspec(dllimport) int WINAPI DeRegUsing(int client);
__declspec(dllimport) int WINAPI ReadSM(int reg, int size);
__declspec(dllimport) int WINAPI WriteSM(int reg, int value, int size);
}

namespace kalvor {
namespace {

constexpr int kClient = 1;

std::uint16_t Low16(int result) { return static_cast<std::uint16_t>(result & 0xFFFF); }

}  // namespace

bool LibraryBus::CheckDriver() { return Low16(::CheckDriver()) != 0; }
bool LibraryBus::RegUsing() { return Low16(::RegUsing(kClient)) != 0; }
bool LibraryBus::ChkUsing() { return Low16(::ChkUsing(kClient)) != 0; }
void LibraryBus::DeRegUsing() { ::DeRegUsing(kClient); }

std::uint16_t LibraryBus::ReadSM(int reg, Size size) { return Low16(::ReadSM(reg, static_cast<int>(size))); }

void LibraryBus::WriteSM(int reg, std::uint16_t value, Size size) {
    ::WriteSM(reg, value, static_cast<int>(size));
}

void LibraryBus::Wait(unsigned milliseconds) { Sleep(milliseconds); }

}  // namespace kalvor
