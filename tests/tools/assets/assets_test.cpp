// The stored assets as the program embeds them: the same bytes as the committed files,
// in the formats the window needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "embedded/wnl_sound_track.h"
#include "embedded/wnl_window_icon.h"
#include "runtime/sound/wave_track.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const char* name) {
  std::ifstream in(std::string(WNL_ASSETS_DIR) + "/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Le(std::span<const std::uint8_t> b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

std::uint32_t Be32(std::span<const std::uint8_t> b, std::size_t at) {
  return (std::uint32_t(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

TEST(Assets, EmbeddedBytesAreTheCommittedFiles) {
  const std::span icon(wnl_window_icon, wnl_window_icon_size);
  const std::span track(wnl_sound_track, wnl_sound_track_size);
  EXPECT_EQ(Bytes(icon.begin(), icon.end()), ReadFile("icon.ico"));
  EXPECT_EQ(Bytes(track.begin(), track.end()), ReadFile("melody.wav"));
  EXPECT_EQ(wnl_window_icon[wnl_window_icon_size], 0);  // the terminator after the bytes
}

// One directory entry, 256 × 256 at 32 bits, whose image is a PNG of 8-bit RGBA, not
// interlaced.
TEST(Assets, IconIsOne256PixelPngEntry) {
  const std::span ico(wnl_window_icon, wnl_window_icon_size);
  ASSERT_GE(ico.size(), 22u + 33u);
  EXPECT_EQ(Le(ico, 0, 2), 0u);
  EXPECT_EQ(Le(ico, 2, 2), 1u);  // an icon
  EXPECT_EQ(Le(ico, 4, 2), 1u);  // one image
  EXPECT_EQ(ico[6], 0);          // 256 wide
  EXPECT_EQ(ico[7], 0);          // 256 high
  EXPECT_EQ(Le(ico, 10, 2), 1u);
  EXPECT_EQ(Le(ico, 12, 2), 32u);
  const std::uint32_t size = Le(ico, 14, 4), offset = Le(ico, 18, 4);
  EXPECT_EQ(offset, 22u);
  ASSERT_EQ(std::size_t(offset) + size, ico.size());

  const auto png = ico.subspan(offset);
  const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_TRUE(std::equal(std::begin(signature), std::end(signature), png.begin()));
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(Be32(png, 16), 256u);
  EXPECT_EQ(Be32(png, 20), 256u);
  EXPECT_EQ(png[24], 8);  // bits per channel
  EXPECT_EQ(png[25], 6);  // RGBA
  EXPECT_EQ(png[28], 0);  // not interlaced
}

TEST(Assets, TrackIsMonoPcmThatPlaysAndNeverClips) {
  const auto track = runtime::sound::ParseWave(std::span(wnl_sound_track, wnl_sound_track_size));
  ASSERT_TRUE(track);
  EXPECT_EQ(track->format, (runtime::sound::PcmFormat{1, 22050, 16, 2}));
  const double seconds = track->samples.size() / 2 / 22050.0;
  EXPECT_GT(seconds, 20);
  EXPECT_LT(seconds, 40);
  int peak = 0;
  for (std::size_t i = 0; i + 1 < track->samples.size(); i += 2) {
    const auto s = static_cast<std::int16_t>(Le(track->samples, i, 2));
    peak = std::max(peak, s < 0 ? -int(s) : int(s));
  }
  EXPECT_LT(peak, 32767);
  EXPECT_GT(peak, 8000);  // and is loud enough to hear
}

}  // namespace
