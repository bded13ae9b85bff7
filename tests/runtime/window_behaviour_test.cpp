// What a window does with the user's reports, on a small window of its own: up-down
// clicks, keys, focus, closing, the background sound, and the end of the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/headless/gbk_to_utf8.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/program.h"
#include "runtime/properties.h"
#include "runtime/runtime.h"
#include "runtime/window_geometry.h"

namespace runtime {
namespace {

using headless::HeadlessBackend;
using headless::HeadlessHostOf;
using Entry = headless::HeadlessWindowHost::Entry;

constexpr std::int32_t kWindow = 0x200;
// Boxes: kFirst and kSecond are tab stops (kSecond with the lower tab order, so it comes
// first), kOff is disabled, kPlain has no up-down pair and is no tab stop.
constexpr std::int32_t kBand = 0x1, kFirst = 0x2, kSecond = 0x3, kOff = 0x4, kPlain = 0x5;

std::vector<std::string> g_trace;
void (*g_on_change)() = nullptr;

void Changed(const char* box, std::int32_t number) {
  g_trace.push_back(std::string(box) + " " + ReadProperty(kWindow, number, kPropertyText).AsText());
  if (g_on_change != nullptr) g_on_change();
}
void OnFirst() { Changed("first", kFirst); }
void OnSecond() { Changed("second", kSecond); }
void (*g_on_created)() = nullptr;
void OnCreated() {
  if (g_on_created != nullptr) g_on_created();
}

constexpr EventBinding kWindowEvents[] = {{kEventCreated, OnCreated}};
constexpr EventBinding kFirstEvents[] = {{kEventTextChanged, OnFirst}};
constexpr EventBinding kSecondEvents[] = {{kEventTextChanged, OnSecond}};
constexpr ControlDefinition Box(std::int32_t number, std::int32_t left, UpDownRange range,
                                bool tab_stop, std::int32_t tab_order,
                                std::span<const EventBinding> events, bool enabled = true) {
  return {.name = "box", .kind = ControlKind::kEditBox, .number = number, .container = kBand,
          .left = left, .top = 1, .width = 40, .height = 22, .enabled = enabled,
          .tab_stop = tab_stop, .tab_order = tab_order, .up_down = range, .events = events};
}
constexpr ControlDefinition kControls[] = {
    {.name = "band", .kind = ControlKind::kShapeBox, .number = kBand, .width = 400, .height = 24},
    Box(kFirst, 0, {12, 1}, true, 1, kFirstEvents),
    Box(kSecond, 60, {1902, 2047}, true, 0, kSecondEvents),
    Box(kOff, 120, {1, 12}, true, 0, {}, false),
    Box(kPlain, 180, {}, false, 0, {}),
};
constexpr std::uint8_t kTrack[] = {'R', 'I', 'F', 'F'};
constexpr Asset kAssets[] = {{"track", kTrack}};
constexpr WindowDefinition kDefinition = {
    .number = kWindow, .title = "测试", .outer_width = 462, .outer_height = 380,
    .stored_left = 50, .stored_top = 50, .sound = "track", .sound_loops = true,
    .events = kWindowEvents, .controls = kControls};

// Remembers what the runtime asked of the sound, and how far loading had got then.
class RecordingSound final : public SoundHook {
 public:
  Id Start(std::span<const std::uint8_t> track, bool loop) override {
    calls.push_back("start " + std::to_string(track.size()) + (loop ? " loop" : ""));
    Window* window = Runtime::Current()->FindWindow(kWindow);
    controls_at_start = window == nullptr ? -1 : static_cast<int>(HeadlessHostOf(*window).log().size());
    return 7;
  }
  void Stop(Id id) override { calls.push_back("stop " + std::to_string(id)); }
  void StopAll() override { calls.push_back("stop all"); }

  std::vector<std::string> calls;
  int controls_at_start = -2;
};

class WindowBehaviour : public testing::Test {
 protected:
  void SetUp() override {
    g_trace.clear();
    g_on_change = nullptr;
    g_on_created = nullptr;
  }
  Window& Load() { return runtime_.LoadWindow(kDefinition); }
  Text TextOf(std::int32_t box) { return ReadProperty(kWindow, box, kPropertyText).AsText(); }

  HeadlessBackend backend_;
  RecordingSound sound_;
  Runtime runtime_{backend_, {kAssets, &sound_}};
};

TEST_F(WindowBehaviour, AnUpDownClickWritesSelectsScrollsAndFocuses) {
  Window& window = Load();
  HeadlessHostOf(window).ClearLog();
  window.UserClickedUpDown(kFirst, UpDownArrow::kDown);  // stored limits 12 and 1: range 1..12
  EXPECT_EQ(g_trace, (std::vector<std::string>{"first 12"}));
  const std::vector<Entry> want = {{Entry::Kind::kText, kFirst, "12"},
                                   {Entry::Kind::kSelectAll, kFirst, ""},
                                   {Entry::Kind::kScrolled, kFirst, ""},
                                   {Entry::Kind::kFocus, kFirst, ""}};
  EXPECT_EQ(HeadlessHostOf(window).log(), want);
  EXPECT_EQ(window.focused(), kFirst);
  window.UserClickedUpDown(kFirst, UpDownArrow::kUp);
  EXPECT_EQ(TextOf(kFirst), "1");
}

TEST_F(WindowBehaviour, ClicksOnADisabledBoxOrABoxWithoutAPairDoNothing) {
  Window& window = Load();
  HeadlessHostOf(window).ClearLog();
  window.UserClickedUpDown(kOff, UpDownArrow::kUp);
  window.UserClickedUpDown(kPlain, UpDownArrow::kUp);
  window.UserClickedUpDown(kBand, UpDownArrow::kUp);
  window.UserClickedUpDown(0x99, UpDownArrow::kUp);
  EXPECT_TRUE(HeadlessHostOf(window).log().empty());
  EXPECT_EQ(TextOf(kOff), "");
}

TEST_F(WindowBehaviour, TabMovesAmongTheEnabledTabStopsInTabOrder) {
  Window& window = Load();
  window.UserActivated();
  EXPECT_EQ(window.focused(), kSecond);  // the lowest tab order
  const struct {
    KeyModifiers modifiers;
    std::int32_t focused;
  } steps[] = {{{}, kFirst}, {{}, kSecond}, {{.shift = true}, kFirst}, {{.shift = true}, kSecond}};
  for (const auto& step : steps) {
    HeadlessHostOf(window).ClearLog();
    EXPECT_TRUE(window.UserPressedKey(Key::kTab, step.modifiers));
    EXPECT_EQ(window.focused(), step.focused);
    const std::vector<Entry> want = {{Entry::Kind::kFocus, step.focused, ""},
                                     {Entry::Kind::kSelectAll, step.focused, ""}};
    EXPECT_EQ(HeadlessHostOf(window).log(), want);
  }
  EXPECT_FALSE(window.UserPressedKey(Key::kTab, {.ctrl = true}));
  EXPECT_FALSE(window.UserPressedKey(Key::kEnter, {}));
  EXPECT_FALSE(window.UserPressedKey(Key::kOther, {}));
  EXPECT_EQ(window.focused(), kSecond);
}

TEST_F(WindowBehaviour, ReactivationGivesTheFocusBack) {
  Window& window = Load();
  window.UserActivated();
  window.UserFocused(kFirst);  // a click into the box
  window.UserFocused(kOff);    // disabled: cannot take it
  window.UserDeactivated();
  EXPECT_EQ(window.focused(), 0);
  HeadlessHostOf(window).ClearLog();
  window.UserActivated();
  EXPECT_EQ(window.focused(), kFirst);
  EXPECT_EQ(HeadlessHostOf(window).log(), (std::vector<Entry>{{Entry::Kind::kFocus, kFirst, ""}}));
}

TEST_F(WindowBehaviour, EscWithoutModifiersClosesAndTheLastWindowEndsTheLoop) {
  Window& window = Load();
  for (KeyModifiers m : {KeyModifiers{.shift = true}, KeyModifiers{.ctrl = true}, KeyModifiers{.alt = true}}) {
    EXPECT_FALSE(window.UserPressedKey(Key::kEscape, m));
  }
  ASSERT_NE(runtime_.FindWindow(kWindow), nullptr);
  EXPECT_EQ(backend_.quit_requests(), 0);
  EXPECT_TRUE(window.UserPressedKey(Key::kEscape, {}));
  EXPECT_EQ(runtime_.FindWindow(kWindow), nullptr);
  EXPECT_EQ(backend_.quit_requests(), 1);
  runtime_.Run();
  EXPECT_EQ(sound_.calls, (std::vector<std::string>{"start 4 loop", "stop 7", "stop all"}));
}

TEST_F(WindowBehaviour, TheSoundStartsWithTheNativeWindowBeforeAnyControl) {
  Load();
  EXPECT_EQ(sound_.controls_at_start, 0);
  runtime_.UnloadWindow(kWindow);  // the close button
  EXPECT_EQ(sound_.calls, (std::vector<std::string>{"start 4 loop", "stop 7"}));
}

TEST_F(WindowBehaviour, ACloseInsideAHandlerWaitsForTheReportToEnd) {
  Window& window = Load();
  static bool alive_in_handler;
  alive_in_handler = false;
  g_on_change = [] {
    Runtime::Current()->FindWindow(kWindow)->UserClosed();
    alive_in_handler = Runtime::Current()->FindWindow(kWindow) != nullptr;
  };
  window.UserClickedUpDown(kSecond, UpDownArrow::kUp);
  EXPECT_TRUE(alive_in_handler);
  EXPECT_EQ(runtime_.FindWindow(kWindow), nullptr);
  EXPECT_EQ(backend_.quit_requests(), 1);
}

TEST_F(WindowBehaviour, ACloseWhileLoadingHappensBeforeTheLoop) {
  g_on_created = [] { Runtime::Current()->UnloadWindow(kWindow); };
  Window& window = Load();
  EXPECT_TRUE(window.close_pending());
  EXPECT_TRUE(window.shown());
  runtime_.Run();
  EXPECT_FALSE(runtime_.HasWindows());
  EXPECT_EQ(backend_.quit_requests(), 1);
}

TEST(WindowGeometry, CentredByIntegerDivisionAndThePairRightOfItsBox) {
  EXPECT_EQ(StartPosition(kDefinition, 1920, 1080), (Point{729, 350}));
  EXPECT_EQ(StartPosition(kDefinition, 1025, 769), (Point{281, 194}));
  WindowDefinition stored = kDefinition;
  stored.centred = false;
  EXPECT_EQ(StartPosition(stored, 1920, 1080), (Point{50, 50}));
  EXPECT_EQ(UpDownRect(kControls[2]), (Rect{100, 1, 18, 22}));
  EXPECT_TRUE(HasUpDown(kControls[1]));
  EXPECT_FALSE(HasUpDown(kControls[4]));
}

const char* Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(ProgramDeathTest, UnreadableDefinitionsAndAMissingStartUpWindowAreFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  static constexpr WindowDefinition kUntitled = {.number = kWindow, .title = nullptr,
                                                 .outer_width = 462, .outer_height = 380,
                                                 .stored_left = 0, .stored_top = 0};
  const auto run = [](std::vector<const WindowDefinition*> windows, std::int32_t startup) {
    HeadlessBackend backend;
    RunProgram(backend, {windows, startup, {}});
  };
  EXPECT_EXIT(run({}, kWindow), testing::ExitedWithCode(1),
              Utf8(u8"运行时出错!\n错误信息：载入窗口模板数据段出错!"));
  EXPECT_EXIT(run({&kUntitled}, kWindow), testing::ExitedWithCode(1), Utf8(u8"载入窗口模板数据段出错!"));
  EXPECT_EXIT(run({&kDefinition, &kDefinition}, kWindow), testing::ExitedWithCode(1),
              Utf8(u8"载入窗口模板数据段出错!"));
  EXPECT_EXIT(run({&kDefinition}, 0x999), testing::ExitedWithCode(1), Utf8(u8"错误信息：载入启动窗口失败"));

  // A platform that cannot make the window.
  class NoWindows final : public Backend {
   public:
    std::unique_ptr<WindowHost> CreateWindowHost(Window&) override { return nullptr; }
    void RunEventLoop() override {}
    void QuitEventLoop() override {}
    void ShowFatalError(const Text&, const Text& text) override {
      std::fputs(headless::GbkToUtf8(text).c_str(), stderr);
    }
  };
  const auto run_without_windows = [] {
    NoWindows backend;
    const WindowDefinition* windows[] = {&kDefinition};
    RunProgram(backend, {windows, kWindow, {}});
  };
  EXPECT_EXIT(run_without_windows(), testing::ExitedWithCode(1), Utf8(u8"载入启动窗口失败"));
}

TEST(Program, RunsUntilTheLastWindowIsGoneThenStopsTheSounds) {
  g_on_created = nullptr;
  HeadlessBackend backend;
  RecordingSound sound;
  const WindowDefinition* windows[] = {&kDefinition};
  EXPECT_EQ(RunProgram(backend, {windows, kWindow, {kAssets, &sound}}), 0);
  ASSERT_GE(sound.calls.size(), 3u);
  sound.calls.resize(3);  // the runtime may stop them all once more on its way out
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"start 4 loop", "stop 7", "stop all"}));
  EXPECT_EQ(Runtime::Current(), nullptr);
}

}  // namespace
}  // namespace runtime
