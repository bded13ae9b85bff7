#include "app/lunar_date.h"

#include "lunar/entry_points.h"
#include "runtime/dates.h"
#include "runtime/numbers.h"

namespace app {

void TakeLunarDate(std::int32_t date, LunarDate& lunar) {
  lunar::GetLunarDate(runtime::ToDateValue(runtime::ToText(date)), lunar.year, lunar.month,
                      lunar.day, lunar.leap);
}

}  // namespace app
