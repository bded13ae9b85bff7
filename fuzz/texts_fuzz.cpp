// The byte-counted text operations with any text and any 32-bit positions and counts.
//
// Invariants: no crash, no leak, no read outside the text. TextLeft and TextRight give a
// prefix and a suffix of min(n, length) bytes (none for n <= 0); TextMid gives the bytes
// from `start` on, at most n of them, and nothing when start < 1, start > length or
// n <= 0; the left part and the rest from n + 1 make the whole text again. CompareTexts
// orders by unsigned bytes: 0 exactly for equal texts, antisymmetric, and a text never
// sorts after what it is the beginning of.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "runtime/text.h"

using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  const auto n = in.Take<std::int32_t>();
  const auto start = in.Take<std::int32_t>();
  const std::string a = in.TakeText();
  const std::string b = in.TakeText();
  const std::int64_t length = runtime::TextLength(a);
  Check(length == static_cast<std::int64_t>(a.size()));

  const std::size_t take = n <= 0 ? 0 : static_cast<std::size_t>(std::min<std::int64_t>(n, length));
  const std::string left = runtime::TextLeft(a, n);
  const std::string right = runtime::TextRight(a, n);
  Check(left == a.substr(0, take));
  Check(right == a.substr(a.size() - take));

  const std::string mid = runtime::TextMid(a, start, n);
  if (start < 1 || start > length || n <= 0) {
    Check(mid.empty());
  } else {
    Check(static_cast<std::int64_t>(mid.size()) == std::min<std::int64_t>(n, length - start + 1));
    Check(std::string_view(a).substr(static_cast<std::size_t>(start) - 1, mid.size()) == mid);
  }
  if (n >= 0 && n < length) {
    Check(runtime::JoinTexts(left, runtime::TextMid(a, n + 1, INT32_MAX)) == a);
  }

  const std::int32_t order = runtime::CompareTexts(a, b);
  Check(order >= -1 && order <= 1);
  Check(runtime::CompareTexts(b, a) == -order);
  Check((order == 0) == (a == b));
  Check(runtime::CompareTexts(a, a) == 0);
  Check(runtime::CompareTexts(runtime::JoinTexts(a, b), a) >= 0);
  Check(runtime::CompareTexts(left, a) <= 0);
  return 0;
}
