// Which byte strings are accepted as a sound track, and which samples they yield.
#include "runtime/sound/wave_track.h"

#include <gtest/gtest.h>

#include <string>

#include "wave_fixture.h"

namespace {

using runtime::sound::ParseWave;
using runtime::sound::PcmFormat;
using namespace sound_test;

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes Cut(Bytes bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

struct Case {
  std::string name;
  Bytes file;
  // Accepted tracks: where their samples start in `file`, how many bytes, and the format.
  std::optional<std::size_t> offset;
  std::size_t size = 0;
  PcmFormat format{1, 22050, 16, 2};
};

const Bytes kSamples = Ramp(4);  // 8 bytes
const PcmFormat kMono16{1, 22050, 16, 2};

std::vector<Case> Cases() {
  const Bytes plain = MonoTrack(kSamples);
  Bytes extensible_fmt = Fmt(2, 44100, 16, 0xFFFE);
  PutLe(extensible_fmt, 22, 2);          // extra bytes
  PutLe(extensible_fmt, 16, 2);          // valid bits
  PutLe(extensible_fmt, 3, 4);           // channel mask
  PutLe(extensible_fmt, 1, 2);           // sub-format: PCM...
  extensible_fmt.resize(40, 0);          // ...and the rest of its identifier
  Bytes float_extensible = extensible_fmt;
  float_extensible[24] = 3;

  return {
      // The magic and the minimum size.
      {"empty", {}, {}},
      {"eleven bytes", Cut(plain, 11), {}},
      {"35 bytes with both magics", Cut(plain, 35), {}},
      {"RIFX instead of RIFF", [&] { Bytes b = plain; b[3] = 'X'; return b; }(), {}},
      {"WAVX instead of WAVE", [&] { Bytes b = plain; b[11] = 'X'; return b; }(), {}},
      {"the plain track", plain, 44, 8},
      {"data before fmt", Riff({Chunk("data", kSamples), Chunk("fmt ", Fmt())}), 20, 8},
      {"other chunks first", Riff({Chunk("LIST", Bytes(10, 'x')), Chunk("fmt ", Fmt()),
                                   Chunk("data", kSamples)}),
       62, 8},

      // Both chunks are needed, and some samples.
      {"no fmt", Riff({Chunk("data", kSamples), Chunk("LIST", Bytes(16, 0))}), {}},
      {"no data", Riff({Chunk("fmt ", Fmt()), Chunk("LIST", Bytes(16, 0))}), {}},
      {"empty data", Riff({Chunk("fmt ", Fmt()), Chunk("data", {})}), {}},
      {"data shorter than one frame", Riff({Chunk("fmt ", Fmt()), Chunk("data", {7})}), {}},
      {"data with half a frame at the end",
       Riff({Chunk("fmt ", Fmt()), Chunk("data", Concat({kSamples, {9}}))}), 44, 8},
      {"the first fmt counts",
       Riff({Chunk("fmt ", Fmt(1, 8000, 8)), Chunk("fmt ", Fmt()), Chunk("data", kSamples)}),
       68, 8, {1, 8000, 8, 1}},

      // The walk stays below the RIFF length and inside the buffer.
      {"data past the RIFF length", Riff({Chunk("fmt ", Fmt()), Chunk("data", kSamples)}, 28),
       {}},
      {"data just inside the RIFF length",
       Riff({Chunk("fmt ", Fmt()), Chunk("data", kSamples)}, 37), 44, 8},
      {"RIFF length beyond the file", Riff({Chunk("fmt ", Fmt()), Chunk("data", kSamples)}, 0xFFFFFFF0),
       44, 8},
      {"data longer than the file: cut at its end",
       Riff({Chunk("fmt ", Fmt()), Chunk("data", kSamples, 0xFFFFFFFF)}), 44, 8},
      {"a huge chunk hides what follows",
       Riff({Chunk("fmt ", Fmt()), Chunk("LIST", Bytes(8, 0), 0xFFFFFFF8), Chunk("data", kSamples)}),
       {}},
      {"fmt longer than the file",
       Concat({Riff({Chunk("data", kSamples)}, 1000), Chunk("fmt ", Fmt(), 0xFFFFFFFF)}), 20, 8},
      {"a chunk header cut short",
       Concat({Riff({Chunk("fmt ", Fmt()), Chunk("data", kSamples)}, 1000), Bytes{'d', 'a', 't'}}),
       44, 8},
      {"odd chunk with its pad byte",
       Riff({Chunk("LIST", Bytes(3, 'x')), Chunk("fmt ", Fmt()), Chunk("data", kSamples)}), 56, 8},

      // Only plain integer PCM that makes sense.
      {"fmt shorter than 16 bytes",
       Riff({Chunk("fmt ", Cut(Fmt(), 14)), Chunk("data", kSamples)}), {}},
      {"float samples", Riff({Chunk("fmt ", Fmt(1, 22050, 32, 3)), Chunk("data", kSamples)}), {}},
      {"compressed samples", Riff({Chunk("fmt ", Fmt(1, 22050, 4, 0x11)), Chunk("data", kSamples)}),
       {}},
      {"no channels", Riff({Chunk("fmt ", Fmt(0)), Chunk("data", kSamples)}), {}},
      {"12-bit samples", Riff({Chunk("fmt ", Fmt(1, 22050, 12)), Chunk("data", kSamples)}), {}},
      {"no sample rate", Riff({Chunk("fmt ", Fmt(1, 0)), Chunk("data", kSamples)}), {}},
      {"block size that fits no frame",
       Riff({Chunk("fmt ", [] { Bytes f = Fmt(); f[12] = 3; return f; }()),
             Chunk("data", kSamples)}),
       {}},
      {"stereo 8-bit", Riff({Chunk("fmt ", Fmt(2, 11025, 8)), Chunk("data", kSamples)}), 44, 8,
       {2, 11025, 8, 2}},
      {"extensible PCM", Riff({Chunk("fmt ", extensible_fmt), Chunk("data", kSamples)}), 68, 8,
       {2, 44100, 16, 4}},
      {"extensible float", Riff({Chunk("fmt ", float_extensible), Chunk("data", kSamples)}), {}},
  };
}

TEST(ParseWave, AcceptsOnlyWellFormedPcmTracks) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    const auto track = ParseWave(c.file);
    ASSERT_EQ(track.has_value(), c.offset.has_value());
    if (!track) continue;
    EXPECT_EQ(track->samples.data() - c.file.data(), static_cast<std::ptrdiff_t>(*c.offset));
    EXPECT_EQ(track->samples.size(), c.size);
    EXPECT_EQ(track->format, c.format);
  }
}

// Every prefix of a valid track, and the track with any one byte forced to 0xFF, is
// read without going outside the buffer (the sanitizer build checks the reads).
TEST(ParseWave, DamagedTracksStayInsideTheBuffer) {
  const Bytes track =
      Riff({Chunk("LIST", Bytes(5, 'x')), Chunk("fmt ", Fmt()), Chunk("data", Ramp(6))});
  for (std::size_t size = 0; size <= track.size(); ++size) {
    const Bytes prefix(track.begin(), track.begin() + static_cast<std::ptrdiff_t>(size));
    const auto parsed = ParseWave(prefix);
    if (parsed) {
      EXPECT_LE(parsed->samples.data() + parsed->samples.size(), prefix.data() + prefix.size());
    }
  }
  for (std::size_t i = 0; i < track.size(); ++i) {
    Bytes damaged = track;
    damaged[i] = 0xFF;
    const auto parsed = ParseWave(damaged);
    if (parsed) {
      EXPECT_GE(parsed->samples.data(), damaged.data() + 12);
      EXPECT_LE(parsed->samples.data() + parsed->samples.size(), damaged.data() + damaged.size());
    }
  }
}

}  // namespace
