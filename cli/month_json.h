// The month's draw list for other programs: one JSON object on one line,
//   {"header":…,"cleared":…,"ops":[{"x":…,"y":…,"text":…,"color":…,"background":…,
//    "font":{"face":…,"size":…,"bold":…}},…]}
// texts in UTF-8 (bytes that are not GBK as U+FFFD), colours as decimal 0x00BBGGRR, the
// background 4278190080 where it is transparent, the font size in points as written.
#pragma once

#include <string>

#include "cli/month_run.h"

namespace cli {

std::string FormatMonthJson(const MonthDrawing& drawing);

}  // namespace cli
