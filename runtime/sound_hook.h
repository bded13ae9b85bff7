// How a window's background sound reaches the sound player.
//
// The runtime starts a window's sound when it creates the window and tells it to stop
// when it destroys the window; at the end of the program it stops every sound and waits
// for them. What plays the sound is the program's choice (the portable player over the
// platform's PCM output, or nothing at all): a runtime without a hook is silent.
#pragma once

#include <cstdint>
#include <span>

namespace runtime {

class SoundHook {
 public:
  using Id = std::uint64_t;  // 0: nothing plays

  virtual ~SoundHook() = default;

  // Starts playing the RIFF WAVE file `track` and returns at once. A track that is not
  // accepted, or a device that is not there, is silence: 0 or a sound that ends by itself.
  virtual Id Start(std::span<const std::uint8_t> track, bool loop) = 0;

  // Tells a sound to stop and returns without waiting for it.
  virtual void Stop(Id id) = 0;

  // Stops every sound still playing and waits until each has ended.
  virtual void StopAll() = 0;
};

}  // namespace runtime
