// The background sound player, heard through capturing outputs.
#include "runtime/sound/sound_player.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

#include "runtime/sound/capturing_output.h"
#include "runtime/sound/null_output.h"
#include "wave_fixture.h"

namespace {

using runtime::sound::Capture;
using runtime::sound::NullOutput;
using runtime::sound::PcmFormat;
using runtime::sound::PcmOutput;
using runtime::sound::SoundId;
using runtime::sound::SoundPlayer;
using namespace sound_test;
using Event = Capture::Event;

// Safety limits only: a wait that runs out is a hang, not a slow pass.
constexpr std::chrono::milliseconds kLimit{10000};

// 3000 mono 16-bit samples at 22,050 Hz: two full buffers of 1102 frames and a short one.
const Bytes kSamples = Ramp(3000);
const Bytes kTrack = MonoTrack(kSamples);
constexpr std::size_t kBuffer = 1102 * 2;

template <class Condition>
bool Eventually(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + kLimit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

SoundPlayer::OutputFactory From(const std::shared_ptr<Capture>& capture) {
  return [capture] { return capture->MakeOutput(); };
}

std::vector<Event::Kind> Kinds(const std::vector<Event>& events) {
  std::vector<Event::Kind> kinds;
  for (const Event& e : events) kinds.push_back(e.kind);
  return kinds;
}

// Threads of this process, where the system tells (Linux); otherwise -1.
int ThreadCount() {
#ifdef __linux__
  int count = 0;
  for ([[maybe_unused]] const auto& entry :
       std::filesystem::directory_iterator("/proc/self/task")) {
    ++count;
  }
  return count;
#else
  return -1;
#endif
}

TEST(SoundPlayer, StreamsSmallBuffersAndStartsEachPassAfterADrain) {
  // Taken at once for three passes, then in real time until stopped.
  Capture::Options options;
  options.realtime_after_bytes = 3 * kSamples.size();
  const auto capture = Capture::Make(options);
  SoundPlayer player(From(capture));

  ASSERT_NE(player.Play(kTrack, /*loop=*/true), 0u);
  ASSERT_TRUE(capture->WaitForBytes(3 * kSamples.size(), kLimit));
  player.StopAll();

  EXPECT_EQ(capture->Format(), (PcmFormat{1, 22050, 16, 2}));
  const Bytes bytes = capture->Bytes();
  ASSERT_GE(bytes.size(), 3 * kSamples.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    ASSERT_EQ(bytes[i], kSamples[i % kSamples.size()]) << "byte " << i;
  }

  // Open, then per pass two full buffers, a short one and a drain; reset and close last.
  const std::vector<Event> events = capture->Events();
  ASSERT_GE(events.size(), 1 + 3 * 4 + 2u);
  EXPECT_EQ(events.front().kind, Event::kOpen);
  for (int pass = 0; pass < 3; ++pass) {
    SCOPED_TRACE("pass " + std::to_string(pass));
    const Event* e = &events[1 + 4 * pass];
    EXPECT_EQ(e[0].kind, Event::kWrite);
    EXPECT_EQ(e[0].bytes, kBuffer);
    EXPECT_EQ(e[1].bytes, kBuffer);
    EXPECT_EQ(e[2].kind, Event::kWrite);
    EXPECT_EQ(e[2].bytes, kSamples.size() - 2 * kBuffer);
    EXPECT_EQ(e[3].kind, Event::kDrain);
    EXPECT_EQ(e[3].bytes, (pass + 1) * kSamples.size());
  }
  EXPECT_EQ(events[events.size() - 2].kind, Event::kReset);
  EXPECT_EQ(events.back().kind, Event::kClose);
  EXPECT_EQ(capture->LiveOutputs(), 0);
  EXPECT_EQ(player.Running(), 0u);
}

TEST(SoundPlayer, WithoutLoopPlaysOnceAndEndsByItself) {
  const auto capture = Capture::Make();
  SoundPlayer player(From(capture));
  ASSERT_NE(player.Play(kTrack, /*loop=*/false), 0u);
  ASSERT_TRUE(Eventually([&] { return player.Running() == 0; }));

  EXPECT_EQ(capture->Bytes(), kSamples);
  const auto kinds = Kinds(capture->Events());
  EXPECT_EQ(kinds, (std::vector<Event::Kind>{Event::kOpen, Event::kWrite, Event::kWrite,
                                             Event::kWrite, Event::kDrain, Event::kClose}));
  EXPECT_EQ(capture->LiveOutputs(), 0);
}

// A stored track is copied by the sound's own thread, once its output is open: the
// same bytes play, and a sound without a device never copies anything.
TEST(SoundPlayer, AStoredTrackPlaysTheSameFromTheThreadsOwnCopy) {
  const auto capture = Capture::Make();
  SoundPlayer player(From(capture));
  ASSERT_NE(player.PlayStored(kTrack, /*loop=*/false), 0u);
  ASSERT_TRUE(Eventually([&] { return player.Running() == 0; }));
  EXPECT_EQ(capture->Bytes(), kSamples);

  Capture::Options no_device;
  no_device.fail_open = true;
  const auto silent = Capture::Make(no_device);
  SoundPlayer quiet(From(silent));
  ASSERT_NE(quiet.PlayStored(kTrack, /*loop=*/true), 0u);
  ASSERT_TRUE(Eventually([&] { return quiet.Running() == 0; }));
  EXPECT_TRUE(silent->Bytes().empty());
  EXPECT_EQ(quiet.PlayStored(Bytes(kTrack.begin(), kTrack.begin() + 20), true), 0u);
}

TEST(SoundPlayer, StopReturnsWhileTheSoundIsStillBusy) {
  const auto capture = Capture::Make();
  capture->HoldWrites();
  SoundPlayer player(From(capture));
  const SoundId id = player.Play(kTrack, /*loop=*/true);
  ASSERT_TRUE(capture->WaitUntilHeld(kLimit));

  // The sound's thread is held inside a write, so Stop can only have returned without
  // waiting for it.
  player.Stop(id);
  EXPECT_EQ(player.Running(), 1u);
  EXPECT_EQ(capture->LiveOutputs(), 1);

  // Let go, and the thread finishes by itself: it resets and closes its output and
  // releases it, with no further call from this side.
  capture->ReleaseWrites();
  ASSERT_TRUE(capture->WaitUntilReleased(kLimit));
  ASSERT_TRUE(Eventually([&] { return player.Running() == 0; }));
  const auto kinds = Kinds(capture->Events());
  ASSERT_GE(kinds.size(), 3u);
  EXPECT_EQ(kinds[kinds.size() - 2], Event::kReset);
  EXPECT_EQ(kinds.back(), Event::kClose);
  EXPECT_LE(capture->ByteCount(), kBuffer);  // the held write, and nothing after it
}

TEST(SoundPlayer, StopEndsOnlyThatSound) {
  Capture::Options paced;
  paced.realtime_after_bytes = 0;
  const auto first = Capture::Make(paced);
  const auto second = Capture::Make(paced);
  int made = 0;
  SoundPlayer player([&, made]() mutable -> std::unique_ptr<PcmOutput> {
    return (made++ == 0 ? first : second)->MakeOutput();
  });
  const SoundId a = player.Play(kTrack, true);
  ASSERT_TRUE(first->WaitForBytes(1, kLimit));
  const SoundId b = player.Play(kTrack, true);
  ASSERT_TRUE(second->WaitForBytes(1, kLimit));
  EXPECT_NE(a, b);

  player.Stop(a);
  player.Stop(a + b + 100);  // unknown: ignored
  ASSERT_TRUE(first->WaitUntilReleased(kLimit));
  ASSERT_TRUE(Eventually([&] { return player.Running() == 1; }));
  const std::size_t heard = second->ByteCount();
  ASSERT_TRUE(second->WaitForBytes(heard + kBuffer, kLimit));  // still playing
  EXPECT_EQ(second->LiveOutputs(), 1);
}

TEST(SoundPlayer, StopAllAndTheEndOfThePlayerLeaveNoThread) {
  const int before = ThreadCount();
  Capture::Options paced;
  paced.realtime_after_bytes = 0;
  const auto capture = Capture::Make(paced);
  {
    SoundPlayer player(From(capture));
    player.Play(kTrack, true);
    player.Play(kTrack, true);
    ASSERT_TRUE(capture->WaitForBytes(2 * kBuffer, kLimit));
    EXPECT_EQ(player.Running(), 2u);
    player.StopAll();
    EXPECT_EQ(player.Running(), 0u);
    EXPECT_EQ(capture->LiveOutputs(), 0);
    EXPECT_EQ(ThreadCount(), before);

    player.Play(kTrack, true);  // still playing when the player goes
    ASSERT_TRUE(Eventually([&] { return capture->LiveOutputs() == 1; }));
  }
  EXPECT_EQ(capture->LiveOutputs(), 0);
  EXPECT_EQ(ThreadCount(), before);
  const auto kinds = Kinds(capture->Events());
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), Event::kOpen), 3);
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), Event::kReset), 3);
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), Event::kClose), 3);
}

// A sound whose output is missing, will not open or breaks while playing ends by
// itself: nothing more is written, the output is closed if it was opened, and no
// thread is left.
TEST(SoundPlayer, AFailingOutputGivesSilenceAndEndsTheSound) {
  struct Case {
    std::string name;
    Capture::Options options;
    bool make_nothing = false;
    bool throw_instead = false;
    bool null_output = false;
    std::size_t bytes;
  };
  Capture::Options fail_open;
  fail_open.fail_open = true;
  Capture::Options fail_later;
  fail_later.fail_after_bytes = 3000;
  Capture::Options fail_second_pass;
  fail_second_pass.fail_after_bytes = kSamples.size();
  const Case cases[] = {
      {"no device (null output)", {}, false, false, true, 0},
      {"no output made", {}, true, false, false, 0},
      {"making the output throws", {}, false, true, false, 0},
      {"cannot be opened", fail_open, false, false, false, 0},
      {"fails while playing", fail_later, false, false, false, 2 * kBuffer},
      {"fails after one pass", fail_second_pass, false, false, false, kSamples.size()},
  };
  const int before = ThreadCount();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto capture = Capture::Make(c.options);
    SoundPlayer player([&]() -> std::unique_ptr<PcmOutput> {
      if (c.make_nothing) return nullptr;
      if (c.throw_instead) throw std::runtime_error("no sound");
      if (c.null_output) return std::make_unique<NullOutput>();
      return capture->MakeOutput();
    });
    ASSERT_NE(player.Play(kTrack, /*loop=*/true), 0u);
    ASSERT_TRUE(Eventually([&] { return player.Running() == 0; }));
    EXPECT_EQ(capture->ByteCount(), c.bytes);
    EXPECT_EQ(capture->LiveOutputs(), 0);
    const auto kinds = Kinds(capture->Events());
    if (c.bytes > 0) {
      ASSERT_FALSE(kinds.empty());
      EXPECT_EQ(kinds.back(), Event::kClose);
    }
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), Event::kReset), 0);
  }
  EXPECT_EQ(ThreadCount(), before);
}

TEST(SoundPlayer, ATrackThatIsNotAcceptedStartsNothing) {
  int made = 0;
  SoundPlayer player([&]() -> std::unique_ptr<PcmOutput> {
    ++made;
    return std::make_unique<NullOutput>();
  });
  const Bytes empty_data = Riff({Chunk("fmt ", Fmt()), Chunk("data", {})});
  EXPECT_EQ(player.Play(empty_data, true), 0u);
  EXPECT_EQ(player.Play(Bytes(100, 0), true), 0u);
  EXPECT_EQ(player.Running(), 0u);
  EXPECT_EQ(made, 0);
}

// The player plays from its own copy: the caller may drop the file at once.
TEST(SoundPlayer, PlaysFromItsOwnCopyOfTheTrack) {
  const auto capture = Capture::Make();
  SoundPlayer player(From(capture));
  {
    Bytes file = kTrack;
    ASSERT_NE(player.Play(file, /*loop=*/false), 0u);
    std::fill(file.begin(), file.end(), 0xEE);
  }
  ASSERT_TRUE(Eventually([&] { return player.Running() == 0; }));
  EXPECT_EQ(capture->Bytes(), kSamples);
}

}  // namespace
