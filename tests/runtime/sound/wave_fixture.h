// Small RIFF WAVE files assembled byte by byte for the sound tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace sound_test {

using Bytes = std::vector<std::uint8_t>;

inline void PutLe(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline Bytes Id(const char (&id)[5]) { return Bytes(id, id + 4); }

// One chunk; `length` overrides the length field, the contents stay as given. Odd
// contents get their pad byte unless `pad` is false.
inline Bytes Chunk(const char (&id)[5], const Bytes& contents,
                   std::optional<std::uint32_t> length = std::nullopt, bool pad = true) {
  Bytes out = Id(id);
  PutLe(out, length.value_or(static_cast<std::uint32_t>(contents.size())), 4);
  out.insert(out.end(), contents.begin(), contents.end());
  if (pad && contents.size() % 2 == 1) out.push_back(0);
  return out;
}

inline Bytes Fmt(std::uint16_t channels = 1, std::uint32_t rate = 22050, std::uint16_t bits = 16,
                 std::uint16_t tag = 1) {
  Bytes out;
  const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
  PutLe(out, tag, 2);
  PutLe(out, channels, 2);
  PutLe(out, rate, 4);
  PutLe(out, rate * align, 4);
  PutLe(out, align, 2);
  PutLe(out, bits, 2);
  return out;
}

// "RIFF", the length (by default the true one), "WAVE", then the chunks.
inline Bytes Riff(std::initializer_list<Bytes> chunks,
                  std::optional<std::uint32_t> riff_length = std::nullopt) {
  Bytes body = Id("WAVE");
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  Bytes out = Id("RIFF");
  PutLe(out, riff_length.value_or(static_cast<std::uint32_t>(body.size())), 4);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

// 16-bit samples that differ from one another, so any misplaced byte shows.
inline Bytes Ramp(std::size_t samples) {
  Bytes out;
  for (std::size_t i = 0; i < samples; ++i) {
    PutLe(out, static_cast<std::uint16_t>(i * 7 + 1), 2);
  }
  return out;
}

inline Bytes MonoTrack(const Bytes& samples) {
  return Riff({Chunk("fmt ", Fmt()), Chunk("data", samples)});
}

}  // namespace sound_test
