#include "sound_win32.h"

#include <windows.h>
#include <mmsystem.h>

namespace pelmox {

namespace {

// An asynchronous play reports success before it has looked for the file
// or a device, and a missing file would play the system's default sound:
// so both are looked for first, the file along the search path the sound
// system uses (the current directory, the system directories, PATH).
bool CanPlay(const char* name) {
    if (waveOutGetNumDevs() == 0) return false;
    char found[MAX_PATH];
    DWORD length = SearchPathA(nullptr, name, nullptr, sizeof found, found, nullptr);
    return length > 0 && length < sizeof found;
}

}  // namespace

bool PlayWaveAsync(const char* name) { return CanPlay(name) && sndPlaySoundA(name, SND_ASYNC) != FALSE; }

}  // namespace pelmox
