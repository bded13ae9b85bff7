#include "runtime/up_down.h"

#include <algorithm>
#include <limits>

#include "runtime/numbers.h"

namespace runtime {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

UpDownRange UpDownBounds(const UpDownRange& stored) {
  return {std::min(stored.lower, stored.upper), std::max(stored.lower, stored.upper)};
}

std::int32_t UpDownValueOf(std::string_view text) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), kMax + 1);
  }
  if (negative) return static_cast<std::int32_t>(-magnitude);
  return static_cast<std::int32_t>(std::min(magnitude, kMax));
}

std::int32_t UpDownStep(std::int32_t value, UpDownArrow arrow, const UpDownRange& bounds) {
  const std::int64_t next = static_cast<std::int64_t>(value) + (arrow == UpDownArrow::kUp ? 1 : -1);
  if (next >= bounds.lower && next <= bounds.upper) return static_cast<std::int32_t>(next);
  return arrow == UpDownArrow::kUp ? bounds.lower : bounds.upper;
}

Text UpDownClick(std::string_view text, UpDownArrow arrow, const UpDownRange& bounds) {
  return ToText(UpDownStep(UpDownValueOf(text), arrow, bounds));
}

}  // namespace runtime
