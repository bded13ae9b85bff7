// The whole program on a faulty platform: the calendar window run through the portable
// program run on the headless backend, a user typing and clicking in it until Esc, and
// the background sound on an output that is missing, breaks while playing, or gets a
// track it cannot accept; or a clock outside the calendar's years at start. Whatever the
// fault, the window shows exactly what it shows with a working sound, nothing is said
// about it, and at the end no sound thread is left.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "app/assets.h"
#include "app/redraw_month.h"
#include "app/window_definition.h"
#include "runtime/clock.h"
#include "runtime/headless/gbk_to_utf8.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/program.h"
#include "runtime/properties.h"
#include "runtime/sound/capturing_output.h"
#include "runtime/sound/player_hook.h"
#include "runtime/sound/sound_player.h"
#if WNL_HAVE_ALSA
#include <unistd.h>

#include "runtime/alsa/alsa_output.h"
#endif

namespace {

using runtime::Text;
using runtime::Window;
using runtime::sound::Capture;
using runtime::sound::SoundPlayer;
namespace fs = std::filesystem;

// Safety limit only: a wait that runs out is a hang, not a slow pass.
constexpr auto kLimit = std::chrono::seconds(10);

// Threads of this process where the system tells (Linux), else -1.
int ThreadCount() {
#ifdef __linux__
  int count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/task")) ++count;
  return count;
#else
  return -1;
#endif
}

template <class Condition>
bool Eventually(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + kLimit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// The headless backend with a user at it: once the event loop starts, `user` works the
// window, then presses Esc.
class UserAtTheWindow final : public runtime::Backend {
 public:
  explicit UserAtTheWindow(std::function<void(Window&)> user) : user_(std::move(user)) {}

  std::unique_ptr<runtime::WindowHost> CreateWindowHost(Window& window) override {
    window_ = &window;
    return headless_.CreateWindowHost(window);
  }
  void RunEventLoop() override {
    user_(*window_);
    window_->UserPressedKey(runtime::Key::kEscape, {});
  }
  void QuitEventLoop() override { ++quits_; }
  void ShowFatalError(const Text& title, const Text& text) override {
    fatal_ = true;
    headless_.ShowFatalError(title, text);
  }

  int quits() const { return quits_; }
  bool fatal() const { return fatal_; }

 private:
  runtime::headless::HeadlessBackend headless_;
  std::function<void(Window&)> user_;
  Window* window_ = nullptr;
  int quits_ = 0;
  bool fatal_ = false;
};

// What the user sees after each step: the header line and what the canvas drew.
class Observer {
 public:
  void Look(Window& window) {
    auto& canvas = *runtime::headless::HeadlessHostOf(window).Recording(app::画板1);
    const Text header =
        runtime::ReadProperty(app::kCalendarWindow, app::标签4, runtime::kPropertyText).AsText();
    seen_.push_back(runtime::headless::GbkToUtf8(header) + "\n" + canvas.Print());
    canvas.ClearOps();
  }
  const std::vector<std::string>& seen() const { return seen_; }

 private:
  std::vector<std::string> seen_;
};

// Types a year digit by digit, steps both boxes, tabs, and leaves a box that is no number.
void WorkTheCalendar(Window& window, Observer& eyes) {
  using runtime::UpDownArrow;
  const auto year = app::编辑框1, month = app::编辑框2;
  eyes.Look(window);
  for (const char* typed : {"", "1", "19", "199", "1999"}) {
    window.UserEditedText(year, typed);
    eyes.Look(window);
  }
  window.UserClickedUpDown(month, UpDownArrow::kUp);
  eyes.Look(window);
  window.UserEditedText(month, "\xA3\xB2\xD4\xC2");  // ２月
  eyes.Look(window);
  window.UserPressedKey(runtime::Key::kTab, {});
  window.UserClickedUpDown(year, UpDownArrow::kDown);
  eyes.Look(window);
  window.UserEditedText(year, "abc");
  eyes.Look(window);
}

struct ProgramRun {
  std::vector<std::string> seen;
  std::string errors;
  bool fatal = false;
  int quits = 0;
  int status = -1;
  std::size_t sounds_left = 0;
};

// One program run with `sound` playing the window's background sound; `wait` runs once
// the window is up, before the user starts.
ProgramRun RunCalendar(SoundPlayer::OutputFactory output, std::span<const runtime::Asset> assets,
                const std::function<void(SoundPlayer&)>& wait) {
  ProgramRun run;
  Observer eyes;
  SoundPlayer player(std::move(output));
  runtime::sound::PlayerHook hook(player);
  UserAtTheWindow backend([&](Window& window) {
    wait(player);
    WorkTheCalendar(window, eyes);
  });
  const runtime::WindowDefinition* windows[] = {&app::kCalendarWindowDefinition};
  testing::internal::CaptureStderr();
  run.status = runtime::RunProgram(backend, {windows, app::kCalendarWindow, {assets, &hook}});
  run.errors = testing::internal::GetCapturedStderr();
  run.sounds_left = player.Running();
  run.seen = eyes.seen();
  run.fatal = backend.fatal();
  run.quits = backend.quits();
  return run;
}

// A sound that cannot play gives up by itself, without being told to stop.
void UntilTheSoundGivesUp(SoundPlayer& player) {
  EXPECT_TRUE(Eventually([&] { return player.Running() == 0; }));
}

class PlatformFaults : public testing::Test {
 protected:
  PlatformFaults() { runtime::FixClock(runtime::MakeDateValue(2022, 12, 15, 9, 30, 0)); }

  void ExpectCalendarAsWithSound(const ProgramRun& run) {
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.fatal);
    EXPECT_EQ(run.quits, 1);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.sounds_left, 0u);
    ASSERT_EQ(run.seen.size(), reference_.seen.size());
    for (std::size_t i = 0; i < run.seen.size(); ++i) EXPECT_EQ(run.seen[i], reference_.seen[i]) << "step " << i;
  }

  // The run with a working output, paced like a real device.
  static void SetUpTestSuite() {
    runtime::FixClock(runtime::MakeDateValue(2022, 12, 15, 9, 30, 0));
    Capture::Options paced;
    paced.realtime_after_bytes = 0;
    paced.keep_bytes = false;
    const auto capture = Capture::Make(paced);
    reference_ = RunCalendar([capture] { return capture->MakeOutput(); }, app::CalendarAssets(),
                             [&](SoundPlayer&) { ASSERT_TRUE(capture->WaitForBytes(1, kLimit)); });
    reference_bytes_ = capture->ByteCount();
    reference_outputs_left_ = capture->LiveOutputs();
  }

  static ProgramRun reference_;
  static std::size_t reference_bytes_;
  static int reference_outputs_left_;
};

ProgramRun PlatformFaults::reference_;
std::size_t PlatformFaults::reference_bytes_ = 0;
int PlatformFaults::reference_outputs_left_ = -1;

TEST_F(PlatformFaults, WithAWorkingOutputTheSoundPlaysAndStopsAtTheEnd) {
  EXPECT_GT(reference_bytes_, 0u);
  EXPECT_EQ(reference_outputs_left_, 0);
  ExpectCalendarAsWithSound(reference_);
  ASSERT_EQ(reference_.seen.size(), 10u);
  EXPECT_NE(reference_.seen[5].find("\"1999\""), std::string::npos);  // the month of 1999 drawn
}

TEST_F(PlatformFaults, AMissingOrBrokenOutputLeavesTheCalendarAsItIsAndSilent) {
  struct Case {
    const char* fault;
    Capture::Options options;
    std::size_t most_bytes;
  };
  Capture::Options no_device;
  no_device.fail_open = true;
  Capture::Options breaks;
  breaks.fail_after_bytes = 20000;
  breaks.keep_bytes = false;
  const Case cases[] = {
      {"no sound device", no_device, 0},
      // The write that crosses the limit still goes through: one buffer, a twentieth of a second.
      {"a device that fails while playing", breaks, 20000 + 22050 * 2 / 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    const int threads = ThreadCount();
    const auto capture = Capture::Make(c.options);
    const ProgramRun run = RunCalendar([capture] { return capture->MakeOutput(); }, app::CalendarAssets(),
                                UntilTheSoundGivesUp);
    ExpectCalendarAsWithSound(run);
    EXPECT_LE(capture->ByteCount(), c.most_bytes);
    ASSERT_FALSE(capture->Events().empty());
    EXPECT_EQ(capture->Events().front().kind, Capture::Event::kOpen);
    EXPECT_EQ(capture->LiveOutputs(), 0);
    EXPECT_EQ(ThreadCount(), threads);
  }
}

TEST_F(PlatformFaults, ATrackThatIsNotAcceptedPlaysNothing) {
  const std::span<const std::uint8_t> track = runtime::FindAsset(app::CalendarAssets(), "wnl_sound_track");
  std::vector<std::uint8_t> no_data(track.begin(), track.begin() + 36);  // the header alone
  std::vector<std::uint8_t> not_wave(track.begin(), track.end());
  not_wave[8] = 'w';
  const std::vector<std::uint8_t> tracks[] = {{}, no_data, not_wave};
  for (const auto& damaged : tracks) {
    SCOPED_TRACE(damaged.size());
    const runtime::Asset assets[] = {app::CalendarAssets()[0], {"wnl_sound_track", damaged}};
    const int threads = ThreadCount();
    const auto capture = Capture::Make();
    const ProgramRun run = RunCalendar([capture] { return capture->MakeOutput(); }, assets, [](SoundPlayer& player) {
      EXPECT_EQ(player.Running(), 0u);
    });
    ExpectCalendarAsWithSound(run);
    EXPECT_TRUE(capture->Events().empty());
    EXPECT_EQ(ThreadCount(), threads);
  }
}

#if WNL_HAVE_ALSA
TEST_F(PlatformFaults, TheAlsaOutputWithoutADeviceLeavesTheCalendarAsItIsAndSilent) {
  const fs::path conf = fs::temp_directory_path() / ("wnl-no-device-" + std::to_string(getpid()) + ".conf");
  std::ofstream(conf) << "</usr/share/alsa/alsa.conf>\npcm.!default { type plug slave.pcm \"wnl_no_such_device\" }\n";
  setenv("ALSA_CONFIG_PATH", conf.c_str(), 1);
  const int threads = ThreadCount();
  const ProgramRun run = RunCalendar([] { return runtime::alsa::MakeAlsaOutput(); }, app::CalendarAssets(),
                              UntilTheSoundGivesUp);
  unsetenv("ALSA_CONFIG_PATH");
  fs::remove(conf);
  ExpectCalendarAsWithSound(run);
  EXPECT_EQ(ThreadCount(), threads);
}
#endif

TEST_F(PlatformFaults, AClockOutsideTheYearsOpensOnTheYearMessageAndABlankCanvas) {
  for (const std::int32_t year : {100, 1901, 2048, 9999}) {
    SCOPED_TRACE(year);
    // December, as in the other runs, so that the month box holds the same text.
    runtime::FixClock(runtime::MakeDateValue(year, 12, 1, 12, 0, 0));
    const auto capture = Capture::Make();
    const ProgramRun run = RunCalendar([capture] { return capture->MakeOutput(); }, app::CalendarAssets(),
                                [](SoundPlayer&) {});
    ASSERT_EQ(run.seen.size(), reference_.seen.size());
    EXPECT_EQ(run.seen[0], runtime::headless::GbkToUtf8(app::kYearMessage) + "\n");
    // From the first valid year on, the calendar is the one it always is.
    for (std::size_t i = 5; i < run.seen.size(); ++i) EXPECT_EQ(run.seen[i], reference_.seen[i]) << "step " << i;
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.sounds_left, 0u);
  }
}

}  // namespace
