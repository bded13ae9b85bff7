// The Linux sound device: ALSA's "default" PCM, opened in the track's own format with
// ALSA's resampling and about 100 ms of queue. With no device the open fails at once
// and the sound is silent; ALSA's own error messages are kept off the terminal.
#pragma once

#include <memory>

#include "runtime/sound/pcm_output.h"

namespace runtime::alsa {

std::unique_ptr<sound::PcmOutput> MakeAlsaOutput();

}  // namespace runtime::alsa
