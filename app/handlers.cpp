#include "app/handlers.h"

#include "app/redraw_month.h"
#include "app/window_definition.h"
#include "runtime/clock.h"
#include "runtime/numbers.h"
#include "runtime/properties.h"

namespace app {

using namespace runtime;

void OnWindowCreated() {
  const DateValue now = CurrentDateTime();
  WriteProperty(kCalendarWindow, 编辑框1, kPropertyText, kWholeValue, ToText(YearOf(now)));
  WriteProperty(kCalendarWindow, 编辑框2, kPropertyText, kWholeValue, ToText(MonthOf(now)));
  RedrawMonth();
}

void OnYearTextChanged() { RedrawMonth(); }

void OnMonthTextChanged() { RedrawMonth(); }

}  // namespace app
