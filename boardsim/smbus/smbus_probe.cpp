// smbus_probe: claims the simulated SMBus from a process of its own, for
// tests of the library's arbitration between processes.
//
//   smbus_probe hold     RegUsing, then waits until it is ended
//   smbus_probe write R V writes register R and ends without DeRegUsing
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using BusCall = int(WINAPI*)(int);
using WriteCall = int(WINAPI*)(int, int, int);

int main(int argc, char** argv) {
    HMODULE library = LoadLibraryA("SMBUS.dll");
    if (!library) return 2;
    auto regUsing = reinterpret_cast<BusCall>(reinterpret_cast<void*>(GetProcAddress(library, "RegUsing")));
    auto writeSM = reinterpret_cast<WriteCall>(reinterpret_cast<void*>(GetProcAddress(library, "WriteSM")));
    if (!regUsing || !writeSM || argc < 2) return 2;
    int claimed = regUsing(1);
    std::printf("RegUsing %d\n", claimed);
    std::fflush(stdout);
    if (std::strcmp(argv[1], "hold") == 0) Sleep(INFINITE);
    if (std::strcmp(argv[1], "write") == 0 && argc == 4) writeSM(std::atoi(argv[2]), std::atoi(argv[3]), 1);
    return claimed ? 0 : 1;
}
