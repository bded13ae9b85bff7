#include "app/redraw_month.h"

#include <cmath>
#include <cstdint>

#include "app/canvas_settings.h"
#include "app/day_annotation.h"
#include "app/header_line.h"
#include "app/lunar_date.h"
#include "app/window_definition.h"
#include "runtime/clock.h"
#include "runtime/dates.h"
#include "runtime/numbers.h"
#include "runtime/properties.h"

namespace app {

using namespace runtime;

namespace {

constexpr std::int32_t kFirstYear = 1902;
constexpr std::int32_t kLastYear = 2047;
constexpr std::int32_t kGridHeight = 270;
constexpr std::int32_t kFirstColumnX = 38;
constexpr std::int32_t kColumnPitch = 64;
constexpr Colour kWatermark = 0xECECEC;
constexpr Colour kWeekend = 255;
constexpr Colour kWeekday = 0;
constexpr Colour kToday = 0xFFFF00;

std::int32_t ReadBox(std::int32_t box) {
  return TruncateToInt(ToNumber(ReadProperty(kCalendarWindow, box, kPropertyText).AsText()));
}

void ShowHeader(const Text& caption) {
  WriteProperty(kCalendarWindow, 标签4, kPropertyText, kWholeValue, caption);
}

}  // namespace

void RedrawMonth() {
  const std::int32_t year = ReadBox(编辑框1);
  if (year < kFirstYear || year > kLastYear) return ShowHeader(kYearMessage);
  const std::int32_t month = ReadBox(编辑框2);
  if (month < 1 || month > 12) return ShowHeader(kMonthMessage);

  LunarDate lunar;
  std::int32_t date = year * 10000 + month * 100 + 1;
  ShowHeader(ComposeHeaderLine(year, date, lunar));

  const std::int32_t first_column = WeekdayOf(ToDateValue(ToText(date))) - 1;
  const std::int32_t day_count = DaysInMonth(year, month);
  std::int32_t rows = TruncateToInt(IntDivide(day_count + first_column, 7));
  if (std::fabs(Remainder(day_count + first_column, 7)) > 1e-7) ++rows;
  const std::int32_t row_height = TruncateToInt(IntDivide(kGridHeight, rows));

  std::int32_t column = first_column;
  std::int32_t x = kFirstColumnX + kColumnPitch * first_column;
  std::int32_t y = 0;

  CanvasClear(kCalendarWindow, 画板1);
  SetTextColour(kWatermark);
  SetFont("Arial", 60, true);
  CanvasWriteAt(kCalendarWindow, 画板1, 140, 0, year);

  for (std::int32_t day = 1; day <= day_count; ++day) {
    const DateValue d = ToDateValue(ToText(date));
    const DateValue now = CurrentDateTime();
    if (YearOf(d) == YearOf(now) && MonthOf(d) == MonthOf(now) && DayOf(d) == DayOf(now)) {
      SetTextBackground(kToday);
    }
    SetFont("Arial", 18, true);
    SetTextColour(column == 0 || column == 6 ? kWeekend : kWeekday);
    CanvasWriteAt(kCalendarWindow, 画板1, day < 10 ? x - 8 : x - 16, y, day);
    SetTextBackground(kTransparent);
    SetFont("宋体", 9, false);
    DrawDayAnnotation(date, x, y, lunar);

    if (column == 6) {
      column = 0;
      x = kFirstColumnX;
      y += row_height;
    } else {
      ++column;
      x += kColumnPitch;
    }
    ++date;
  }
}

}  // namespace app
