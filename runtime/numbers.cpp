#include "runtime/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "runtime/fatal.h"
#include "runtime/full_width.h"

namespace runtime {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Length of the run of digits starting at `at`.
std::size_t DigitsAt(const std::string& s, std::size_t at) {
  std::size_t end = at;
  while (end < s.size() && IsDigit(s[end])) ++end;
  return end - at;
}

// A digit run beyond the range of a double: infinity when its magnitude is huge, 0 when
// it is tiny, as a user would expect of an absurd box text.
double OutOfRange(const char* first, const char* last) {
  long long magnitude = 0;  // decimal exponent of the leading significant digit, roughly
  const char* p = first;
  while (p != last && *p == '0') ++p;
  while (p != last && IsDigit(*p)) ++magnitude, ++p;
  if (magnitude == 0 && p != last && *p == '.') {
    ++p;
    while (p != last && *p == '0') --magnitude, ++p;
  }
  while (p != last && *p != 'e' && *p != 'E') ++p;
  if (p != last) {
    ++p;
    const bool negative = p != last && *p == '-';
    if (p != last && (*p == '+' || *p == '-')) ++p;
    long long exponent = 0;
    for (; p != last && exponent < 1'000'000'000; ++p) exponent = exponent * 10 + (*p - '0');
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

}  // namespace

double ToNumber(std::string_view text) {
  const std::string s = FoldFullWidth(text);
  std::size_t begin = 0;
  while (begin < s.size() && IsSpace(s[begin])) ++begin;

  std::size_t end = begin;
  if (end < s.size() && (s[end] == '+' || s[end] == '-')) ++end;
  const std::size_t whole = DigitsAt(s, end);
  if (whole == 0) return 0;
  end += whole;
  if (end < s.size() && s[end] == '.' && DigitsAt(s, end + 1) > 0) {
    end += 1 + DigitsAt(s, end + 1);
  }
  if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < s.size() && (s[exponent] == '+' || s[exponent] == '-')) ++exponent;
    if (const std::size_t digits = DigitsAt(s, exponent); digits > 0) end = exponent + digits;
  }

  // from_chars reads no leading '+' and ignores the locale, which a desktop toolkit may
  // have changed.
  const char* first = s.data() + begin;
  const char* last = s.data() + end;
  const bool negative = *first == '-';
  if (*first == '+' || *first == '-') ++first;
  double value = 0;
  const auto [ptr, error] = std::from_chars(first, last, value);
  if (error == std::errc::result_out_of_range) value = OutOfRange(first, last);
  return negative ? -value : value;
}

Text ToText(std::int32_t integer) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, integer);
  return Text(buffer, result.ptr);
}

Text ToText(double number) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 13);
  return Text(buffer, result.ptr);
}

std::int32_t TruncateToInt(double number) {
  if (std::isnan(number)) return 0;
  if (number >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (number <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(number);
}

double IntDivide(double a, double b) {
  if (b == 0) FatalError("不能整除于零");
  return std::trunc(a / b);
}

double Remainder(double a, double b) {
  if (b == 0) FatalError("不能求余数于零");
  return std::fmod(a, b);
}

}  // namespace runtime
