#include "runtime/sound/wave_track.h"

#include <algorithm>
#include <cstring>

namespace runtime::sound {
namespace {

constexpr std::uint16_t kFormatPcm = 0x0001;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint16_t Le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool IdIs(const std::uint8_t* p, const char (&id)[5]) { return std::memcmp(p, id, 4) == 0; }

// The "fmt " contents as a format the outputs can play, or nothing.
std::optional<PcmFormat> ReadFormat(std::span<const std::uint8_t> fmt) {
  if (fmt.size() < 16) return std::nullopt;
  std::uint16_t tag = Le16(&fmt[0]);
  // WAVE_FORMAT_EXTENSIBLE names the real format in the first two bytes of its sub-format.
  if (tag == kFormatExtensible && fmt.size() >= 40) tag = Le16(&fmt[24]);
  if (tag != kFormatPcm) return std::nullopt;

  PcmFormat format;
  format.channels = Le16(&fmt[2]);
  format.sample_rate = Le32(&fmt[4]);
  format.block_align = Le16(&fmt[12]);
  format.bits_per_sample = Le16(&fmt[14]);
  const auto bits = format.bits_per_sample;
  if (format.channels < 1 || format.channels > 8) return std::nullopt;
  if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
  if (format.block_align != format.channels * bits / 8) return std::nullopt;
  if (format.sample_rate < 1000 || format.sample_rate > 384000) return std::nullopt;
  return format;
}

}  // namespace

std::optional<WaveTrack> ParseWave(std::span<const std::uint8_t> file) {
  const std::uint8_t* bytes = file.data();
  const std::uint64_t size = file.size();
  if (size <= 11 || !IdIs(bytes, "RIFF") || !IdIs(bytes + 8, "WAVE") || size < 36) {
    return std::nullopt;
  }
  const std::uint64_t riff_length = Le32(bytes + 4);

  std::optional<std::span<const std::uint8_t>> fmt, data;
  // 64-bit offsets: a position plus a 32-bit length cannot wrap.
  std::uint64_t at = 12;
  while (at < riff_length && at + 8 <= size && !(fmt && data)) {
    const std::uint64_t length = Le32(bytes + at + 4);
    const std::uint64_t contents = at + 8;
    const std::uint64_t available = std::min(length, size - contents);
    const auto body = file.subspan(static_cast<std::size_t>(contents),
                                   static_cast<std::size_t>(available));
    if (!fmt && IdIs(bytes + at, "fmt ")) fmt = body;
    if (!data && IdIs(bytes + at, "data")) data = body;
    at = contents + length + (length & 1);
  }
  if (!fmt || !data) return std::nullopt;

  const std::optional<PcmFormat> format = ReadFormat(*fmt);
  if (!format) return std::nullopt;
  const std::size_t whole = data->size() - data->size() % format->block_align;
  if (whole == 0) return std::nullopt;
  return WaveTrack{*format, data->first(whole)};
}

}  // namespace runtime::sound
