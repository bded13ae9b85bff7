#include "cli/arguments.h"

#include <algorithm>

#include "runtime/clock.h"

namespace cli {
namespace {

bool Digits(std::string_view text, std::size_t from, std::size_t count, std::int32_t& value) {
  value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

void AppendDigits(std::string& out, std::int32_t value, int width) {
  char buffer[4];
  for (int i = width - 1; i >= 0; --i) {
    buffer[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  out.append(buffer, static_cast<std::size_t>(width));
}

}  // namespace

std::optional<CivilDay> ParseDay(std::string_view text) {
  CivilDay day;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  if (!Digits(text, 0, 4, day.year) || !Digits(text, 5, 2, day.month) ||
      !Digits(text, 8, 2, day.day)) {
    return std::nullopt;
  }
  if (day.year < 100 || day.month < 1 || day.month > 12 || day.day < 1 ||
      day.day > runtime::DaysInMonth(day.year, day.month)) {
    return std::nullopt;
  }
  return day;
}

std::string BadDayMessage(std::string_view what, std::string_view text) {
  return std::string(what) + ": \"" + std::string(text) +
         "\" is not a day written YYYY-MM-DD between 0100-01-01 and 9999-12-31";
}

std::string FormatDay(const CivilDay& day) {
  std::string out;
  AppendDay(out, day);
  return out;
}

void AppendDay(std::string& out, const CivilDay& day) {
  AppendDigits(out, day.year, 4);
  out.push_back('-');
  AppendDigits(out, day.month, 2);
  out.push_back('-');
  AppendDigits(out, day.day, 2);
}

CivilDay NextDay(const CivilDay& day) {
  CivilDay next = day;
  if (++next.day > runtime::DaysInMonth(next.year, next.month)) {
    next.day = 1;
    if (++next.month > 12) {
      next.month = 1;
      ++next.year;
    }
  }
  return next;
}

runtime::DateValue DateValueOf(const CivilDay& day) {
  return runtime::MakeDateValue(day.year, day.month, day.day);
}

CivilDay Today() {
  const runtime::DateValue now = runtime::CurrentDateTime();
  return {runtime::YearOf(now), runtime::MonthOf(now), runtime::DayOf(now)};
}

std::optional<std::int64_t> ParseWhole(std::string_view text) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 40;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min(kLimit, value * 10 + (c - '0'));
  }
  return negative ? -value : value;
}

}  // namespace cli
