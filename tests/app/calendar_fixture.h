// The calendar window loaded on the headless backend, with the clock fixed: what the
// app tests look at is the header caption and the recorded canvas operations.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/redraw_month.h"
#include "app/window_definition.h"
#include "runtime/clock.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/numbers.h"
#include "runtime/properties.h"
#include "runtime/runtime.h"

namespace app {

using runtime::Text;
using runtime::headless::DrawOp;

class CalendarTest : public testing::Test {
 protected:
  // Today is 15 December 2022 unless a test says otherwise.
  CalendarTest() { runtime::FixClock(runtime::MakeDateValue(2022, 12, 15, 9, 30, 0)); }

  void SetUp() override { window_ = &runtime_.LoadWindow(kCalendarWindowDefinition); }

  runtime::headless::HeadlessWindowHost& host() { return runtime::headless::HeadlessHostOf(*window_); }
  runtime::headless::RecordingSurface& canvas() { return *host().Recording(画板1); }

  // Puts the texts into the boxes (each write redraws), then records one redraw alone.
  void Show(const Text& year, const Text& month) {
    Type(编辑框1, year);
    Type(编辑框2, month);
    canvas().ClearOps();
    RedrawMonth();
  }

  void Type(std::int32_t box, const Text& text) {
    runtime::WriteProperty(kCalendarWindow, box, runtime::kPropertyText, runtime::kWholeValue, text);
  }

  Text Header() {
    return runtime::ReadProperty(kCalendarWindow, 标签4, runtime::kPropertyText).AsText();
  }

  // The day number `day` of the recorded redraw, and the annotation drawn right after it.
  const DrawOp& DayNumber(std::int32_t day) { return canvas().ops().at(DayIndex(day)); }
  const DrawOp& Annotation(std::int32_t day) { return canvas().ops().at(DayIndex(day) + 1); }

 private:
  std::size_t DayIndex(std::int32_t day) {
    const auto& ops = canvas().ops();
    for (std::size_t i = 0; i < ops.size(); ++i) {
      if (ops[i].kind == DrawOp::Kind::kText && ops[i].font.height == 24 &&
          ops[i].text == runtime::ToText(day)) {
        return i;
      }
    }
    ADD_FAILURE() << "day " << day << " not drawn";
    return ops.size();
  }

  runtime::headless::HeadlessBackend backend_;
  runtime::Runtime runtime_{backend_};
  runtime::Window* window_ = nullptr;
};

}  // namespace app
