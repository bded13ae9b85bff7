// The month in a terminal: the window's band (公历 YEAR 年 MONTH 月 and the header line),
// the weekday names, then one block per grid row, each day's number over its
// annotation, all taken from what RedrawMonth drew.
#pragma once

#include <string>

#include "cli/month_run.h"

namespace cli {

// Columns a day takes; with one space between days a week is 76 columns wide. A longer
// annotation goes on over further lines of the same cell.
inline constexpr std::int32_t kCellColumns = 10;

// UTF-8 lines for a drawing that passed the range checks (drawing.cleared). Days go in
// the column of the weekday name nearest above them, rows in the order they were drawn.
// Without colour, today's number is shown in brackets.
std::string FormatMonthGrid(const MonthDrawing& drawing, bool colour);

}  // namespace cli
