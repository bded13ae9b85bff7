// One month as the window draws it: the calendar window loaded on the headless backend,
// the texts written into its boxes, and one RedrawMonth recorded.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "runtime/colour.h"
#include "runtime/headless/recording_surface.h"
#include "runtime/text.h"

namespace cli {

struct Label {
  runtime::Text text;  // GBK
  runtime::Colour colour = 0;
  std::int32_t centre = 0;  // x of the label's middle, in the canvas's coordinates
};

struct MonthDrawing {
  runtime::Text header;  // the caption of 标签4 after the redraw, GBK
  bool cleared = false;  // the canvas was cleared: the month passed the range checks
  std::vector<runtime::headless::DrawOp> ops;  // the redraw's text writes, in order
  runtime::Text year_box, month_box;            // what the boxes hold, GBK
  std::array<Label, 3> band;                    // 公历, 年, 月
  std::array<Label, 7> weekdays;                // 星期日 .. 星期六
};

// Loads the window (its start-up fills the boxes from the clock and draws that month)
// and writes each given GBK text into its box as a program write; each write redraws,
// as in the window. What the last redraw drew is kept. Needs the current runtime on the
// headless backend; loads the window only once per process.
MonthDrawing DrawMonth(const std::optional<runtime::Text>& year_box,
                       const std::optional<runtime::Text>& month_box);

}  // namespace cli
