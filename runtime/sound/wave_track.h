// Reading a RIFF WAVE sound track.
//
// A track is accepted only as a RIFF WAVE of at least 36 bytes ("RIFF" at byte 0,
// "WAVE" at byte 8). Its chunks (4-byte identifier, 32-bit little-endian length,
// contents, a pad byte after odd contents) are walked from byte 12 while the walk stays
// below the length the RIFF header gives and inside the bytes at hand; "fmt " and
// "data" may come in either order, and the first of each counts. A chunk that claims
// more bytes than there are is cut at the end of the buffer. Nothing plays without
// both chunks, with an empty or less-than-one-frame "data", or with a sample format
// that is not plain integer PCM.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "runtime/sound/pcm_format.h"

namespace runtime::sound {

struct WaveTrack {
  PcmFormat format;
  std::span<const std::uint8_t> samples;  // whole frames, inside the parsed buffer
};

std::optional<WaveTrack> ParseWave(std::span<const std::uint8_t> file);

}  // namespace runtime::sound
