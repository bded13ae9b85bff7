// The Windows sound device: waveOut's default device (the wave mapper), opened in the
// track's own format. The player's buffers are played in place through a few WAVEHDRs;
// waveOut signals an event as each one is done, and Write waits on it for a free header.
// No device, or one that cannot take the format, and the sound is silent. winmm.dll is
// loaded by the first sound's own thread, once an opening window has shown
// (start_gate.h), so the sound system never holds up the window.
#pragma once

#include <memory>

#include "runtime/sound/pcm_output.h"

namespace runtime::win32 {

std::unique_ptr<sound::PcmOutput> MakeWaveOutOutput();

}  // namespace runtime::win32
