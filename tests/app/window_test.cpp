// The calendar window driven as a user drives it, on the headless backend: the up-down
// buttons of both boxes, Tab between the boxes, focus on reactivation, and Esc, which
// closes the window and ends the program with its melody stopped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/assets.h"
#include "app/redraw_month.h"
#include "app/window_definition.h"
#include "runtime/clock.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/properties.h"
#include "runtime/runtime.h"

namespace app {
namespace {

using runtime::Key;
using runtime::Text;
using runtime::UpDownArrow;
using Entry = runtime::headless::HeadlessWindowHost::Entry;

class Melody final : public runtime::SoundHook {
 public:
  Id Start(std::span<const std::uint8_t> track, bool loop) override {
    calls.push_back("start " + std::to_string(track.size()) + (loop ? " loop" : ""));
    return 1;
  }
  void Stop(Id) override { calls.push_back("stop"); }
  void StopAll() override { calls.push_back("stop all"); }
  std::vector<std::string> calls;
};

class CalendarWindow : public testing::Test {
 protected:
  CalendarWindow() {
    runtime::FixClock(runtime::MakeDateValue(2024, 5, 17, 8, 0, 0));
    window_ = &runtime_.LoadWindow(kCalendarWindowDefinition);
    window_->UserActivated();
  }

  runtime::headless::HeadlessWindowHost& host() { return runtime::headless::HeadlessHostOf(*window_); }
  Text TextOf(std::int32_t box) {
    return runtime::ReadProperty(kCalendarWindow, box, runtime::kPropertyText).AsText();
  }
  // Every redraw writes the header label once: the header line or a message.
  int Redraws() {
    int redraws = 0;
    for (const Entry& e : host().log()) redraws += e.kind == Entry::Kind::kCaption && e.control == 标签4;
    return redraws;
  }

  runtime::headless::HeadlessBackend backend_;
  Melody melody_;
  runtime::Runtime runtime_{backend_, {CalendarAssets(), &melody_}};
  runtime::Window* window_ = nullptr;
};

TEST_F(CalendarWindow, UpDownClicksStepWrapRedrawOnceAndSelectTheText) {
  const struct {
    std::int32_t box;
    const char* before;
    UpDownArrow arrow;
    const char* after;
  } cases[] = {
      {编辑框1, "2047", UpDownArrow::kUp, "1902"}, {编辑框1, "1902", UpDownArrow::kDown, "2047"},
      {编辑框2, "12", UpDownArrow::kUp, "1"},      {编辑框2, "1", UpDownArrow::kDown, "12"},
      {编辑框1, "abc", UpDownArrow::kUp, "1902"},  {编辑框1, "abc", UpDownArrow::kDown, "2047"},
      {编辑框2, "abc", UpDownArrow::kUp, "1"},     {编辑框2, "abc", UpDownArrow::kDown, "12"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.box << " " << c.before);
    window_->UserEditedText(编辑框1, "2024");
    window_->UserEditedText(编辑框2, "5");
    window_->UserEditedText(c.box, c.before);
    host().ClearLog();
    window_->UserClickedUpDown(c.box, c.arrow);
    EXPECT_EQ(TextOf(c.box), c.after);
    EXPECT_EQ(Redraws(), 1);
    const std::vector<Entry> tail = {{Entry::Kind::kSelectAll, c.box, ""},
                                     {Entry::Kind::kScrolled, c.box, ""},
                                     {Entry::Kind::kFocus, c.box, ""}};
    ASSERT_GE(host().log().size(), tail.size());
    EXPECT_EQ(std::vector<Entry>(host().log().end() - 3, host().log().end()), tail);
    EXPECT_EQ(window_->focused(), c.box);
  }
}

TEST_F(CalendarWindow, TabMovesBetweenTheTwoBoxesAndTheFocusComesBack) {
  EXPECT_EQ(window_->focused(), 编辑框1);
  const struct {
    bool shift;
    std::int32_t focused;
  } steps[] = {{false, 编辑框2}, {false, 编辑框1}, {true, 编辑框2}, {true, 编辑框1}, {true, 编辑框2}};
  for (const auto& step : steps) {
    EXPECT_TRUE(window_->UserPressedKey(Key::kTab, {.shift = step.shift}));
    EXPECT_EQ(window_->focused(), step.focused);
  }
  window_->UserDeactivated();
  EXPECT_EQ(window_->focused(), 0);
  window_->UserActivated();
  EXPECT_EQ(window_->focused(), 编辑框2);
  EXPECT_FALSE(window_->UserPressedKey(Key::kEnter, {}));
}

TEST_F(CalendarWindow, EscInEitherBoxClosesTheWindowAndEndsTheProgram) {
  const std::string start =
      "start " + std::to_string(runtime::FindAsset(CalendarAssets(), "wnl_sound_track").size()) + " loop";
  EXPECT_EQ(melody_.calls, (std::vector<std::string>{start}));
  window_->UserPressedKey(Key::kTab, {});
  EXPECT_EQ(window_->focused(), 编辑框2);
  EXPECT_TRUE(window_->UserPressedKey(Key::kEscape, {}));
  EXPECT_EQ(runtime_.FindWindow(kCalendarWindow), nullptr);
  EXPECT_EQ(backend_.quit_requests(), 1);
  runtime_.Run();
  EXPECT_EQ(melody_.calls, (std::vector<std::string>{start, "stop", "stop all"}));
}

}  // namespace
}  // namespace app
