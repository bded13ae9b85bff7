// Start-up on the headless backend: the creation handler fills both boxes, so the month
// is drawn three times before the window shows, the first time with an empty month box.
#include <gtest/gtest.h>

#include <vector>

#include "app/redraw_month.h"
#include "app/window_definition.h"
#include "runtime/clock.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/properties.h"
#include "runtime/runtime.h"

namespace app {
namespace {

using runtime::Text;
using runtime::headless::DrawOp;
using Entry = runtime::headless::HeadlessWindowHost::Entry;

// What the host saw of the boxes, the header and the window being shown.
std::vector<Entry> Visible(const std::vector<Entry>& log) {
  std::vector<Entry> visible;
  for (const Entry& e : log) {
    if (e.kind == Entry::Kind::kText || e.kind == Entry::Kind::kCaption ||
        e.kind == Entry::Kind::kWindowShown) {
      visible.push_back(e);
    }
  }
  return visible;
}

std::size_t Fills(const std::vector<DrawOp>& ops) {
  std::size_t fills = 0;
  for (const DrawOp& op : ops) fills += op.kind == DrawOp::Kind::kFill;
  return fills;
}

class StartUp : public testing::Test {
 protected:
  runtime::Window& Start(runtime::DateValue now) {
    runtime::FixClock(now);
    return runtime_.LoadWindow(kCalendarWindowDefinition);
  }
  runtime::headless::HeadlessBackend backend_;
  runtime::Runtime runtime_{backend_};
};

TEST_F(StartUp, RedrawsThreeTimesBeforeTheWindowShows) {
  runtime::Window& window = Start(runtime::MakeDateValue(2024, 5, 17, 8, 0, 0));
  const Text header = "◆共和国75年◆ 农历 甲辰年〖龙〗";
  const std::vector<Entry> want = {
      {Entry::Kind::kText, 编辑框1, "2024"},       {Entry::Kind::kCaption, 标签4, kMonthMessage},
      {Entry::Kind::kText, 编辑框2, "5"},          {Entry::Kind::kCaption, 标签4, header},
      {Entry::Kind::kCaption, 标签4, header},      {Entry::Kind::kWindowShown, 0, ""},
  };
  auto& host = runtime::headless::HeadlessHostOf(window);
  EXPECT_EQ(Visible(host.log()), want);
  const auto& ops = host.Recording(画板1)->ops();
  EXPECT_EQ(Fills(ops), 2u);
  EXPECT_EQ(ops.size(), 2 * (2u + 2 * 31));
  EXPECT_EQ(ops.at(0).kind, DrawOp::Kind::kFill);
}

TEST_F(StartUp, AYearOutsideTheRangeOpensWithTheMessageAndABlankCanvas) {
  runtime::Window& window = Start(runtime::MakeDateValue(1901, 6, 1));
  auto& host = runtime::headless::HeadlessHostOf(window);
  EXPECT_EQ(runtime::ReadProperty(kCalendarWindow, 编辑框1, runtime::kPropertyText).AsText(), "1901");
  EXPECT_EQ(runtime::ReadProperty(kCalendarWindow, 标签4, runtime::kPropertyText).AsText(), kYearMessage);
  EXPECT_TRUE(host.Recording(画板1)->ops().empty());
}

TEST_F(StartUp, WritingTheSameTextRedrawsOnce) {
  runtime::Window& window = Start(runtime::MakeDateValue(2024, 5, 17));
  auto& host = runtime::headless::HeadlessHostOf(window);
  const std::size_t captions = Visible(host.log()).size();
  host.Recording(画板1)->ClearOps();
  runtime::WriteProperty(kCalendarWindow, 编辑框1, runtime::kPropertyText, runtime::kWholeValue, "2024");
  EXPECT_EQ(Visible(host.log()).size(), captions + 2);  // the text shown, one header
  EXPECT_EQ(Fills(host.Recording(画板1)->ops()), 1u);
}

TEST_F(StartUp, TypingAYearDigitByDigitRedrawsEachTime) {
  runtime::Window& window = Start(runtime::MakeDateValue(2024, 5, 17));
  auto& host = runtime::headless::HeadlessHostOf(window);
  window.UserEditedText(编辑框1, "");
  host.Recording(画板1)->ClearOps();
  const std::size_t before = host.log().size();
  for (const char* typed : {"1", "19", "199"}) {
    window.UserEditedText(编辑框1, typed);
    EXPECT_EQ(host.log().back(), (Entry{Entry::Kind::kCaption, 标签4, kYearMessage})) << typed;
  }
  EXPECT_TRUE(host.Recording(画板1)->ops().empty());
  window.UserEditedText(编辑框1, "1999");
  EXPECT_EQ(host.log().size(), before + 4);
  EXPECT_EQ(Fills(host.Recording(画板1)->ops()), 1u);
}

}  // namespace
}  // namespace app
