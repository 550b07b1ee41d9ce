// The warning sound through the system's sound player.
#pragma once

namespace pelmox {

// Starts the wave file playing and returns at once; false when it cannot
// be played (no such file, no sound device). The name has no directory:
// the sound system's own search finds the file.
bool PlayWaveAsync(const char* name);

}  // namespace pelmox
