// The sound track reader with any bytes, and one pass of an accepted track through the
// sound player.
//
// Invariants: no crash, no leak, no read outside the bytes. A track is accepted only as
// "RIFF" ... "WAVE" of at least 36 bytes, with plain PCM of 1..8 channels, 8, 16, 24 or
// 32 bits, 1000..384000 frames a second and a frame size that matches; its samples are
// whole frames, at least one, inside the bytes given. Played once, the output receives
// exactly those samples, in order, in buffers of whole frames, is opened in that format
// once, drained after the last buffer and closed; the sound's thread then ends.
// (std::chrono comes through <thread>: <chrono> itself does not compile with GBK texts.)
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <thread>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "runtime/sound/capturing_output.h"
#include "runtime/sound/sound_player.h"
#include "runtime/sound/wave_track.h"

namespace {

using fuzz::Check;
using runtime::sound::Capture;

void CheckPlayedOnce(std::span<const std::uint8_t> file, const runtime::sound::WaveTrack& track) {
  const auto capture = Capture::Make();
  {
    runtime::sound::SoundPlayer player([&] { return capture->MakeOutput(); });
    Check(player.Play(file, false) != 0);
    // A single pass ends by itself; the player is not told to stop.
    for (int waits = 0; player.Running() != 0; ++waits) {
      Check(waits < 100000);
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
  }
  const std::vector<std::uint8_t> played = capture->Bytes();
  Check(std::equal(played.begin(), played.end(), track.samples.begin(), track.samples.end()));
  Check(capture->Format() == track.format);
  const auto events = capture->Events();
  Check(events.size() >= 4 && events.front().kind == Capture::Event::kOpen);
  for (std::size_t i = 1; i + 2 < events.size(); ++i) {
    Check(events[i].kind == Capture::Event::kWrite && events[i].bytes > 0 &&
          events[i].bytes % track.format.block_align == 0);
  }
  Check(events[events.size() - 2].kind == Capture::Event::kDrain);
  Check(events.back().kind == Capture::Event::kClose);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly the input's size, so that any read past its end is caught.
  const std::vector<std::uint8_t> bytes(data, data + size);
  const std::span<const std::uint8_t> file(bytes);
  const std::optional<runtime::sound::WaveTrack> track = runtime::sound::ParseWave(file);
  if (!track) return 0;

  Check(size >= 36 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0);
  const runtime::sound::PcmFormat& f = track->format;
  Check(f.channels >= 1 && f.channels <= 8);
  Check(f.bits_per_sample == 8 || f.bits_per_sample == 16 || f.bits_per_sample == 24 ||
        f.bits_per_sample == 32);
  Check(f.block_align == f.channels * f.bits_per_sample / 8);
  Check(f.sample_rate >= 1000 && f.sample_rate <= 384000);
  Check(!track->samples.empty() && track->samples.size() % f.block_align == 0);
  Check(track->samples.data() >= file.data() &&
        track->samples.data() + track->samples.size() <= file.data() + file.size());

  CheckPlayedOnce(file, *track);
  return 0;
}
