// The ALSA output, heard through ALSA's own file capture: a configuration whose default
// device is a "file" PCM over the "null" device. That device takes samples as fast as
// they come, so the looping test stops the player itself after enough bytes.
#include "runtime/alsa/alsa_output.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <unistd.h>

#include "runtime/sound/sound_player.h"
#include "../sound/wave_fixture.h"

namespace {

using runtime::alsa::MakeAlsaOutput;
using runtime::sound::PcmFormat;
using runtime::sound::PcmOutput;
using runtime::sound::SoundPlayer;
using namespace sound_test;
namespace fs = std::filesystem;

const Bytes kSamples = Ramp(3000);
const PcmFormat kMono16{1, 22050, 16, 2};

class AlsaOutputTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("wnl-alsa-" + std::to_string(getpid()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    capture_ = dir_ / "capture.raw";
  }
  void TearDown() override {
    unsetenv("ALSA_CONFIG_PATH");
    fs::remove_all(dir_);
  }

  // Makes ALSA read only `default_device` on top of its own base configuration.
  void UseDefaultDevice(const std::string& default_device) {
    const fs::path conf = dir_ / "asound.conf";
    std::ofstream(conf) << "</usr/share/alsa/alsa.conf>\npcm.!default " << default_device << "\n";
    setenv("ALSA_CONFIG_PATH", conf.c_str(), 1);
  }
  void UseFileCapture() {
    UseDefaultDevice("{ type file slave.pcm \"null\" file \"" + capture_.string() +
                     "\" format \"raw\" }");
  }

  Bytes Captured() const {
    std::ifstream in(capture_, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  fs::path dir_, capture_;
};

TEST_F(AlsaOutputTest, PlaysTheSamplesInTheTracksFormat) {
  UseFileCapture();
  auto output = MakeAlsaOutput();
  ASSERT_TRUE(output->Open(kMono16));
  for (std::size_t at = 0; at < kSamples.size(); at += 2204) {
    const std::size_t count = std::min<std::size_t>(2204, kSamples.size() - at);
    ASSERT_TRUE(output->Write(std::span(kSamples).subspan(at, count)));
  }
  ASSERT_TRUE(output->Drain());
  // A drained device takes samples again: the next pass of a loop.
  ASSERT_TRUE(output->Write(std::span(kSamples).first(1000)));
  output->Close();
  output->Close();

  Bytes expected = kSamples;
  expected.insert(expected.end(), kSamples.begin(), kSamples.begin() + 1000);
  EXPECT_EQ(Captured(), expected);
}

// Counts what passes to the ALSA output, so the test knows when enough has been played.
class Counting final : public PcmOutput {
 public:
  explicit Counting(std::atomic<std::size_t>& count) : count_(count) {}
  bool Open(const PcmFormat& f) override { return inner_->Open(f); }
  bool Write(std::span<const std::uint8_t> b) override {
    if (!inner_->Write(b)) return false;
    if ((count_ += b.size()) > 3 * kSamples.size()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));  // no spinning past this
    }
    return true;
  }
  bool Drain() override { return inner_->Drain(); }
  void Reset() override { inner_->Reset(); }
  void Close() override { inner_->Close(); }

 private:
  std::unique_ptr<PcmOutput> inner_ = MakeAlsaOutput();
  std::atomic<std::size_t>& count_;
};

TEST_F(AlsaOutputTest, ThePlayerLoopsThroughItFromTheFirstSample) {
  UseFileCapture();
  std::atomic<std::size_t> count{0};
  {
    SoundPlayer player([&] { return std::make_unique<Counting>(count); });
    ASSERT_NE(player.Play(MonoTrack(kSamples), /*loop=*/true), 0u);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (count < 3 * kSamples.size() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    player.StopAll();
  }
  const Bytes captured = Captured();
  ASSERT_GE(captured.size(), 3 * kSamples.size());
  for (std::size_t i = 0; i < captured.size(); ++i) {
    ASSERT_EQ(captured[i], kSamples[i % kSamples.size()]) << "byte " << i;
  }
}

TEST_F(AlsaOutputTest, WithoutADeviceItFailsQuietlyAndThePlayerIsSilent) {
  UseDefaultDevice("{ type plug slave.pcm \"wnl_no_such_device\" }");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(MakeAlsaOutput()->Open(kMono16));
  {
    SoundPlayer player([] { return MakeAlsaOutput(); });
    ASSERT_NE(player.Play(MonoTrack(kSamples), true), 0u);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (player.Running() > 0 && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(player.Running(), 0u);
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(AlsaOutputTest, AFormatAlsaHasNoNameForIsRefused) {
  UseFileCapture();
  EXPECT_FALSE(MakeAlsaOutput()->Open(PcmFormat{1, 22050, 12, 2}));
  auto output = MakeAlsaOutput();
  EXPECT_FALSE(output->Write(kSamples));  // never opened
  EXPECT_FALSE(output->Drain());
}

}  // namespace
