// ToNumber over any text, and the integer and text forms of what it reads.
//
// Invariants: no crash, no leak, no undefined behaviour; the result is never NaN; a text
// without a digit reads as 0; leading white space, ASCII or full-width, changes nothing;
// a minus sign before a text that starts with a digit negates it; TruncateToInt takes
// any result to a 32-bit integer; ToText of a finite result reads back within the
// precision of its 13 digits, and ToText of an integer reads back exactly.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "runtime/numbers.h"

namespace {

using fuzz::Check;

bool StartsWithDigit(std::string_view s) { return !s.empty() && s[0] >= '0' && s[0] <= '9'; }

bool HasAsciiOrFullWidthDigit(std::string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] >= '0' && s[i] <= '9') return true;
    if (static_cast<unsigned char>(s[i]) == 0xA3 && i + 1 < s.size()) {
      const auto trail = static_cast<unsigned char>(s[i + 1]);
      if (trail >= 0xB0 && trail <= 0xB9) return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double number = runtime::ToNumber(text);
  Check(!std::isnan(number));
  if (!HasAsciiOrFullWidthDigit(text)) Check(number == 0);
  Check(runtime::ToNumber(" \t" + text) == number);
  Check(runtime::ToNumber("\xA1\xA1" + text) == number);
  if (StartsWithDigit(text)) Check(runtime::ToNumber("-" + text) == -number);

  const std::int32_t integer = runtime::TruncateToInt(number);
  Check(runtime::ToNumber(runtime::ToText(integer)) == integer);
  if (std::isfinite(number)) {
    const double back = runtime::ToNumber(runtime::ToText(number));
    Check(std::fabs(back - number) <= std::fabs(number) * 1e-12);
    if (std::fabs(number) < 2147483647.0) Check(integer == static_cast<std::int32_t>(number));
  }
  return 0;
}
