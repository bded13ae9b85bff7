// The seam between the sound player and a platform's sound device.
//
// A sound's own thread makes one PcmOutput, opens it in the track's format and feeds
// it small buffers, one after the other; the output keeps only a few of them queued
// and returns from Write once there is room again, which is its notice that an earlier
// buffer has played. All calls for one output come from that one thread.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/sound/pcm_format.h"

namespace runtime::sound {

class PcmOutput {
 public:
  virtual ~PcmOutput() = default;

  // Opens the device in `format`. False when there is no device, it cannot be opened,
  // or it cannot take the format; the sound is then silent.
  virtual bool Open(const PcmFormat& format) = 0;

  // Queues one buffer of whole frames, waiting first while the queue is full. The
  // bytes stay valid and unchanged until the output is closed, so an output may play
  // them in place. False when the device failed.
  virtual bool Write(std::span<const std::uint8_t> buffer) = 0;

  // Waits until everything queued has played. False when the device failed.
  virtual bool Drain() = 0;

  // Drops whatever is queued and not yet played.
  virtual void Reset() = 0;

  // Releases the device. Safe to call when not open, and more than once.
  virtual void Close() = 0;
};

}  // namespace runtime::sound
