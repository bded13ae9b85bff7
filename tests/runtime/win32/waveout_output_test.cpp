// The sound on Windows: waveOut without a device is silence at once; with ALSA's file
// capture as wine's device, the bytes that arrive are the track's own samples, in order.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "embedded/wnl_sound_track.h"
#include "runtime/sound/sound_player.h"
#include "runtime/sound/wave_track.h"
#include "runtime/win32/waveout_output.h"
#include "runtime/win32/windows_api.h"

namespace runtime::win32 {
namespace {

using Bytes = std::vector<std::uint8_t>;

sound::WaveTrack Track() {
  const auto track = sound::ParseWave({wnl_sound_track, wnl_sound_track_size});
  EXPECT_TRUE(track.has_value());
  return *track;
}

bool WaitUntilSilent(const sound::SoundPlayer& player, int milliseconds) {
  for (int waited = 0; player.Running() != 0; waited += 10) {
    if (waited >= milliseconds) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

#ifndef WNL_CAPTURE_FILE

TEST(WaveOut, WithoutADeviceIsSilentAtOnce) {
  if (waveOutGetNumDevs() != 0) GTEST_SKIP() << "this machine has a sound device";
  const sound::WaveTrack track = Track();
  EXPECT_FALSE(MakeWaveOutOutput()->Open(track.format));
  sound::SoundPlayer player(&MakeWaveOutOutput);
  ASSERT_NE(player.Play({wnl_sound_track, wnl_sound_track_size}, true), 0u);
  EXPECT_TRUE(WaitUntilSilent(player, 5000)) << "the looping sound gave up by itself";
}

#else

void PutLe(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A RIFF WAVE of the track's format holding `samples`.
Bytes WaveOf(const sound::PcmFormat& format, std::span<const std::uint8_t> samples) {
  Bytes out = {'R', 'I', 'F', 'F'};
  PutLe(out, static_cast<std::uint32_t>(36 + samples.size()), 4);
  for (char c : std::string_view("WAVEfmt ")) out.push_back(static_cast<std::uint8_t>(c));
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);
  PutLe(out, format.channels, 2);
  PutLe(out, format.sample_rate, 4);
  PutLe(out, format.sample_rate * format.block_align, 4);
  PutLe(out, format.block_align, 2);
  PutLe(out, format.bits_per_sample, 2);
  for (char c : std::string_view("data")) out.push_back(static_cast<std::uint8_t>(c));
  PutLe(out, static_cast<std::uint32_t>(samples.size()), 4);
  out.insert(out.end(), samples.begin(), samples.end());
  return out;
}

// Built once more for a run whose wine has ALSA's file plugin as its device, writing
// into WNL_CAPTURE_FILE.
TEST(WaveOutCapture, TheDeviceReceivesTheTracksSamples) {
  const char* capture = WNL_CAPTURE_FILE;
  std::remove(capture);
  const sound::WaveTrack track = Track();
  // Two seconds from the middle of the melody, where no sample is silent for long.
  const std::size_t second = track.format.sample_rate * track.format.block_align;
  const std::span<const std::uint8_t> played = track.samples.subspan(10 * second, 2 * second);
  ASSERT_EQ(played.size(), 2 * second);
  {
    sound::SoundPlayer player(&MakeWaveOutOutput);
    ASSERT_NE(player.Play(WaveOf(track.format, played), false), 0u);
    ASSERT_TRUE(WaitUntilSilent(player, 30000));
  }
  std::ifstream file(capture, std::ios::binary);
  ASSERT_TRUE(file) << capture;
  const Bytes got((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  // The device may pad with silence around what it was given; the samples themselves
  // arrive whole and in order.
  std::size_t start = 0;
  while (start + 1 < got.size() && got[start] == 0 && got[start + 1] == 0) start += 2;
  ASSERT_GE(got.size() - start, played.size()) << "captured " << got.size() << " bytes";
  EXPECT_TRUE(std::equal(played.begin(), played.end(), got.begin() + static_cast<std::ptrdiff_t>(start)));
  for (std::size_t i = start + played.size(); i < got.size(); ++i) {
    ASSERT_EQ(got[i], 0) << "byte " << i << " after the track";
  }
}

#endif

}  // namespace
}  // namespace runtime::win32
