#include "cli/commands.h"
#include "cli/month_grid.h"
#include "cli/month_json.h"
#include "cli/month_run.h"
#include "cli/terminal.h"
#include "runtime/headless/gbk_to_utf8.h"
#include "runtime/headless/utf8_to_gbk.h"

namespace cli {

int MonthCommand(const Argument& year, const Argument& month, bool json) {
  std::optional<runtime::Text> year_box, month_box;
  if (year) year_box = runtime::headless::Utf8ToGbk(*year);
  if (month) month_box = runtime::headless::Utf8ToGbk(*month);
  const MonthDrawing drawing = DrawMonth(year_box, month_box);

  if (json) {
    Write(stdout, FormatMonthJson(drawing));
  } else if (drawing.cleared) {
    Write(stdout, FormatMonthGrid(drawing, ColourWanted(stdout)));
  } else {
    // Out of range: the window's message, which stands in its header instead.
    Complain(runtime::headless::GbkToUtf8(drawing.header));
  }
  return drawing.cleared ? kSuccess : kNoAnswer;
}

}  // namespace cli
