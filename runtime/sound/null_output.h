// The output of a program without a sound device: it never opens, so every sound
// gives up at once and silently.
#pragma once

#include "runtime/sound/pcm_output.h"

namespace runtime::sound {

class NullOutput final : public PcmOutput {
 public:
  bool Open(const PcmFormat&) override { return false; }
  bool Write(std::span<const std::uint8_t>) override { return false; }
  bool Drain() override { return false; }
  void Reset() override {}
  void Close() override {}
};

}  // namespace runtime::sound
