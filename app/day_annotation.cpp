#include "app/day_annotation.h"

#include "app/canvas_settings.h"
#include "app/festivals.h"
#include "app/window_definition.h"
#include "lunar/entry_points.h"
#include "runtime/library_texts.h"
#include "runtime/properties.h"

namespace app {

using namespace runtime;

namespace {

constexpr char kNumerals[] = "一二三四五六七八九十";

Text Numeral(std::int32_t n) { return TextMid(kNumerals, 2 * n - 1, 2); }

// Draws at the given x where the text fits, else just inside the canvas's nearer edge.
void WriteInside(std::int32_t x, std::int32_t y, const Text& text) {
  const std::int32_t width = CanvasTextWidth(kCalendarWindow, 画板1, text);
  if (x < 0) {
    x = 0;
  } else if (x + width > kCanvasWidth) {
    x = kCanvasWidth - width;
  }
  CanvasWriteAt(kCalendarWindow, 画板1, x, y, text);
}

}  // namespace

Text LunarMonthName(std::int32_t month, bool leap, std::int32_t days) {
  const Text name = month <= 10 ? Numeral(month) : JoinTexts("十", Numeral(month - 10));
  const Text text = JoinTexts(name, days == 30 ? "月大" : "月小");
  return leap ? JoinTexts("闰", text) : text;
}

Text LunarDayName(std::int32_t day) {
  if (day >= 2 && day <= 10) return JoinTexts("初", Numeral(day));
  if (day >= 11 && day <= 19) return JoinTexts("十", Numeral(day - 10));
  if (day == 20) return "二十";
  if (day >= 21 && day <= 29) return JoinTexts("廿", Numeral(day - 20));
  if (day == 30) return "三十";
  return {};
}

void DrawDayAnnotation(std::int32_t date, std::int32_t x, std::int32_t y, LunarDate& lunar) {
  const std::int32_t ay = y + 30;
  TakeLunarDate(date, lunar);

  const Text term =
      AdoptLibraryText(lunar::GetSolarTerm(lunar.year, lunar.month, lunar.day, lunar.leap));
  if (CompareTexts(term, "") != 0) {
    SetTextColour(kTermColour);
    return WriteInside(x - 12, ay, term);
  }

  SetTextColour(kDayNameColour);
  const Text festival = FestivalOf(date);
  if (CompareTexts(festival, "") != 0) {
    const Text category = TextLeft(festival, 1);
    SetTextColour(CompareTexts(category, "1") == 0   ? kHolidayColour
                  : CompareTexts(category, "2") == 0 ? kGregorianDayColour
                                                     : kLunarDayColour);
    const std::int32_t length = TextLength(festival);
    return WriteInside(x - 3 * length, ay, TextRight(festival, length - 1));
  }

  if (lunar.day == 1) {
    SetTextColour(kMonthStartColour);
    const std::int32_t days = lunar::GetLunarMonthDays(lunar.year, lunar.month, lunar.leap);
    const Text name = LunarMonthName(lunar.month, lunar.leap != 0, days);
    return WriteInside(x - 3 * TextLength(name), ay, name);
  }

  WriteInside(x - 12, ay, LunarDayName(lunar.day));
}

}  // namespace app
