#include "sound_win32.h"

#include <windows.h>
#include <mmsystem.h>

namespace pelmox {

bool PlayWaveAsync(const char* name) { return sndPlaySoundA(name, SND_ASYNC) != FALSE; }

}  // namespace pelmox
