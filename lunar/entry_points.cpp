#include "lunar/entry_points.h"

#include <cstring>

#include "lunar/conversion.h"
#include "lunar/date_value.h"
#include "lunar/names.h"
#include "lunar/solar_terms.h"
#include "lunar/year_table.h"

namespace lunar {
namespace {

// The library's one piece of state, set once at the runtime's start-up.
ServiceFunction serviceFunction = nullptr;

std::uint16_t Low16(std::int32_t value) { return static_cast<std::uint16_t>(value); }

std::uint8_t FlagOf(std::int32_t value) { return value == 1 ? 1 : 0; }

// A new text through the service function, or nullptr for the empty text and for a
// failed allocation alike.
char* NewText(const char* text) {
  const std::size_t length = std::strlen(text);
  if (length == 0 || serviceFunction == nullptr) return nullptr;
  void* block = serviceFunction(static_cast<std::uint32_t>(length + 1));
  if (block == nullptr) return nullptr;
  std::memcpy(block, text, length + 1);
  return static_cast<char*>(block);
}

// Term numbers run from 小寒; the calendar counts from 立春, the third term.
std::int32_t SpringFirstNumber(std::uint16_t term) {
  if (term >= 3 && term <= 24) return term - 2;
  if (term == 1 || term == 2) return term + 22;
  return 0;
}

}  // namespace

void SetServiceFunction(ServiceFunction service) { serviceFunction = service; }

bool GetLunarDate(double date, std::int32_t& year, std::int32_t& month, std::int32_t& day,
                  std::int32_t& leap) {
  try {
    std::uint16_t solarYear = 0, solarMonth = 0, solarDay = 0;
    if (!SplitDateValue(date, solarYear, solarMonth, solarDay)) return false;
    std::uint16_t lunarYear = 0, lunarMonth = 0, lunarDay = 0;
    std::uint8_t lunarLeap = 0;
    if (!SolarToLunar(solarYear, solarMonth, solarDay, lunarYear, lunarMonth, lunarDay,
                      lunarLeap)) {
      return false;
    }
    year = lunarYear;
    month = lunarMonth;
    day = lunarDay;
    leap = lunarLeap != 0 ? 1 : 0;
    return true;
  } catch (...) {
    return false;
  }
}

std::int32_t GetLunarMonthDays(std::int32_t year, std::int32_t month, std::int32_t leap) {
  try {
    return LunarMonthDays(Low16(year), Low16(month), FlagOf(leap));
  } catch (...) {
    return 0;
  }
}

char* GetSolarTerm(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t leap,
                   std::int32_t* number) {
  try {
    std::uint16_t solarYear = 0, solarMonth = 0, solarDay = 0;
    if (!LunarToSolar(Low16(year), Low16(month), Low16(day), FlagOf(leap), solarYear,
                      solarMonth, solarDay)) {
      return nullptr;
    }
    const std::uint16_t term = SolarTermOn(solarYear, solarMonth, solarDay);
    char name[8] = {};
    SolarTermName(term, name);
    char* text = NewText(name);
    // A name that could not be allocated fails the whole call, leaving `number` untouched.
    if (name[0] != '\0' && text == nullptr) return nullptr;
    if (number != nullptr) *number = SpringFirstNumber(term);
    return text;
  } catch (...) {
    return nullptr;
  }
}

char* GetZodiac(std::int32_t year, std::int32_t* number) {
  try {
    char name[4] = {};
    const std::uint16_t zodiac = ZodiacName(Low16(year), name);
    char* text = NewText(name);
    if (text == nullptr) return nullptr;
    if (number != nullptr) *number = zodiac;
    return text;
  } catch (...) {
    return nullptr;
  }
}

char* GetStemBranch(std::int32_t number) {
  try {
    if (number < 1 || number > 60) return nullptr;
    char name[8] = {};
    StemBranchName(number, name);
    return NewText(name);
  } catch (...) {
    return nullptr;
  }
}

}  // namespace lunar
