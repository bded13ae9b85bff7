// The calendar window on the headless backend, driven by any year and month box texts:
// typed, written by the program, or stepped by the up-down buttons, with Tab between.
//
// Invariants after every action: no crash, no leak, no undefined behaviour; the header
// label shows the year message when the year box does not read as 1902..2047, else the
// month message when the month box does not read as 1..12, and the canvas is then left
// as it was; when both boxes are valid, the header line and the canvas are exactly those
// of the month the boxes read as, written in plain digits; an up-down click leaves plain
// digits of its box's range.
#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "app/redraw_month.h"
#include "app/window_definition.h"
#include "fuzz/fuzz_input.h"
#include "runtime/clock.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/numbers.h"
#include "runtime/properties.h"
#include "runtime/runtime.h"

namespace {

using fuzz::Check;
using runtime::Text;
using runtime::headless::DrawOp;

// What the canvas shows: the operations from its last clearing on.
std::vector<DrawOp> LastRedraw(const std::vector<DrawOp>& ops) {
  for (std::size_t i = ops.size(); i-- > 0;) {
    if (ops[i].kind == DrawOp::Kind::kFill) return {ops.begin() + static_cast<std::ptrdiff_t>(i), ops.end()};
  }
  return {};
}

struct Month {
  Text header;
  std::vector<DrawOp> canvas;
};

class Calendar {
 public:
  Calendar() {
    runtime::FixClock(runtime::MakeDateValue(2022, 12, 15, 9, 30, 0));
    window_ = &runtime_.LoadWindow(app::kCalendarWindowDefinition);
    shown_ = LastRedraw(recording().ops());
  }

  runtime::Window& window() { return *window_; }

  Text Read(std::int32_t control) {
    return runtime::ReadProperty(app::kCalendarWindow, control, runtime::kPropertyText).AsText();
  }
  void Write(std::int32_t box, const Text& text) {
    runtime::WriteProperty(app::kCalendarWindow, box, runtime::kPropertyText, runtime::kWholeValue, text);
  }

  // Runs one action and checks the window afterwards.
  template <typename Action>
  void Do(Action action) {
    recording().ClearOps();
    action();
    const std::vector<DrawOp> drawn = LastRedraw(recording().ops());
    const std::int32_t year = runtime::TruncateToInt(runtime::ToNumber(Read(app::编辑框1)));
    const std::int32_t month = runtime::TruncateToInt(runtime::ToNumber(Read(app::编辑框2)));
    if (year < 1902 || year > 2047 || month < 1 || month > 12) {
      Check(Read(app::标签4) == (year < 1902 || year > 2047 ? app::kYearMessage : app::kMonthMessage));
      Check(recording().ops().empty());
      return;
    }
    if (!drawn.empty()) shown_ = drawn;
    const Month& want = Reference(year, month);
    Check(Read(app::标签4) == want.header);
    Check(shown_ == want.canvas);
  }

 private:
  runtime::headless::RecordingSurface& recording() {
    return *runtime::headless::HeadlessHostOf(*window_).Recording(app::画板1);
  }

  // The month as plain digits in the boxes draw it; the boxes are given back their texts.
  const Month& Reference(std::int32_t year, std::int32_t month) {
    const auto key = std::make_pair(year, month);
    if (const auto it = months_.find(key); it != months_.end()) return it->second;
    const Text year_text = Read(app::编辑框1), month_text = Read(app::编辑框2);
    Write(app::编辑框1, runtime::ToText(year));
    recording().ClearOps();
    Write(app::编辑框2, runtime::ToText(month));
    Month& reference = months_[key];
    reference = {Read(app::标签4), LastRedraw(recording().ops())};
    Write(app::编辑框1, year_text);
    Write(app::编辑框2, month_text);
    recording().ClearOps();
    return reference;
  }

  runtime::headless::HeadlessBackend backend_;
  runtime::Runtime runtime_{backend_};
  runtime::Window* window_ = nullptr;
  std::vector<DrawOp> shown_;
  std::map<std::pair<std::int32_t, std::int32_t>, Month> months_;
};

bool IsDigitsIn(const Text& text, std::int32_t lower, std::int32_t upper) {
  if (text.empty() || text.size() > 4) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  const std::int32_t value = runtime::TruncateToInt(runtime::ToNumber(text));
  return value >= lower && value <= upper && runtime::ToText(value) == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Calendar calendar;
  fuzz::FuzzInput in(data, size);
  for (int actions = 0; actions < 6 && !in.empty(); ++actions) {
    const auto op = in.Take<std::uint8_t>();
    const std::int32_t box = op & 1 ? app::编辑框2 : app::编辑框1;
    switch (op / 2 % 4) {
      case 0: {
        const Text text = in.TakeText();
        calendar.Do([&] { calendar.window().UserEditedText(box, text); });
        break;
      }
      case 1: {
        const Text text = in.TakeText();
        calendar.Do([&] { calendar.Write(box, text); });
        break;
      }
      case 2: {
        const auto arrow = op & 8 ? runtime::UpDownArrow::kDown : runtime::UpDownArrow::kUp;
        calendar.Do([&] { calendar.window().UserClickedUpDown(box, arrow); });
        Check(box == app::编辑框1 ? IsDigitsIn(calendar.Read(box), 1902, 2047)
                                 : IsDigitsIn(calendar.Read(box), 1, 12));
        break;
      }
      case 3:
        calendar.Do([&] { calendar.window().UserPressedKey(runtime::Key::kTab, {op & 8 ? true : false}); });
        break;
    }
  }
  return 0;
}
