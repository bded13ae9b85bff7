#include "cli/month_run.h"

#include "app/redraw_month.h"
#include "app/window_definition.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/properties.h"
#include "runtime/runtime.h"

namespace cli {

using namespace runtime;

namespace {

Text ReadText(std::int32_t control) {
  return ReadProperty(app::kCalendarWindow, control, kPropertyText).AsText();
}

void WriteBox(std::int32_t box, const Text& text) {
  WriteProperty(app::kCalendarWindow, box, kPropertyText, kWholeValue, text);
}

// The label's x is counted from the window, through its containers, then moved to the
// canvas's origin.
Label LabelOf(Window& window, std::int32_t control) {
  const ControlDefinition& label = *window.FindControl(control)->definition;
  std::int32_t left = label.left;
  for (std::int32_t c = label.container; c != 0;) {
    const ControlDefinition& container = *window.FindControl(c)->definition;
    left += container.left;
    c = container.container;
  }
  left -= window.FindControl(app::画板1)->definition->left;
  return {ReadText(control), label.text_colour, left + label.width / 2};
}

}  // namespace

MonthDrawing DrawMonth(const std::optional<Text>& year_box, const std::optional<Text>& month_box) {
  Runtime& runtime = *Runtime::Current();
  Window* window = runtime.FindWindow(app::kCalendarWindow);
  if (window == nullptr) window = &runtime.LoadWindow(app::kCalendarWindowDefinition);
  headless::RecordingSurface& canvas = *headless::HeadlessHostOf(*window).Recording(app::画板1);

  // The redraw kept is the one that the last box write raises, as typing in the window
  // would; with no box to write, one RedrawMonth of what the start-up left.
  if (year_box) {
    if (!month_box) canvas.ClearOps();
    WriteBox(app::编辑框1, *year_box);
  }
  if (month_box) {
    canvas.ClearOps();
    WriteBox(app::编辑框2, *month_box);
  }
  if (!year_box && !month_box) {
    canvas.ClearOps();
    app::RedrawMonth();
  }

  MonthDrawing drawing;
  drawing.header = ReadText(app::标签4);
  for (const headless::DrawOp& op : canvas.ops()) {
    if (op.kind == headless::DrawOp::Kind::kFill) {
      drawing.cleared = true;
    } else {
      drawing.ops.push_back(op);
    }
  }
  drawing.year_box = ReadText(app::编辑框1);
  drawing.month_box = ReadText(app::编辑框2);
  drawing.band = {LabelOf(*window, app::标签1), LabelOf(*window, app::标签2),
                  LabelOf(*window, app::标签3)};
  const std::int32_t weekdays[] = {app::标签5, app::标签6, app::标签7, app::标签8,
                                   app::标签9, app::标签10, app::标签11};
  for (std::size_t i = 0; i < 7; ++i) drawing.weekdays[i] = LabelOf(*window, weekdays[i]);
  return drawing;
}

}  // namespace cli
