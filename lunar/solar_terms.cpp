// The two lookups over the solar-term table: which term begins on a day, and its name.
#include "lunar/solar_terms.h"

#include <cstring>

namespace lunar {
namespace {

// Term-name table: two GBK characters and a terminating zero in slots of 5 bytes.
constexpr char kTermNames[24][5] = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
};

}  // namespace

std::uint16_t SolarTermOn(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  if (year < kFirstTermYear || year > kLastTermYear) return 0;
  const TermMoment* row = kSolarTermTable[year - kFirstTermYear];
  for (std::uint16_t k = 1; k <= 24; ++k) {
    const TermMoment& entry = row[k - 1];
    if (entry.month == month && entry.day == day) return k;
    // The row runs in month order: nothing later can match an earlier month.
    if (month < entry.month) return 0;
  }
  return 0;
}

void SolarTermName(std::int32_t number, char* buffer) {
  if (number < 1 || number > 24) {
    buffer[0] = '\0';
    return;
  }
  std::memcpy(buffer, kTermNames[number - 1], sizeof kTermNames[0]);
}

}  // namespace lunar
