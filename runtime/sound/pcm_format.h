// The sample format of a sound track, as its "fmt " chunk gives it: interleaved
// little-endian PCM frames of `channels` samples of `bits_per_sample` bits each.
#pragma once

#include <cstdint>

namespace runtime::sound {

struct PcmFormat {
  std::uint16_t channels = 0;
  std::uint32_t sample_rate = 0;      // frames per second
  std::uint16_t bits_per_sample = 0;  // 8 (unsigned), 16, 24 or 32 (signed)
  std::uint16_t block_align = 0;      // bytes per frame

  friend bool operator==(const PcmFormat&, const PcmFormat&) = default;
};

}  // namespace runtime::sound
