#include "runtime/text.h"

#include <algorithm>

namespace runtime {

std::int32_t TextLength(std::string_view text) {
  return static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
}

Text TextLeft(std::string_view text, std::int32_t n) {
  if (n <= 0) return {};
  return Text(text.substr(0, static_cast<std::size_t>(n)));
}

Text TextRight(std::string_view text, std::int32_t n) {
  if (n <= 0) return {};
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(n));
  return Text(text.substr(text.size() - count));
}

Text TextMid(std::string_view text, std::int32_t start, std::int32_t n) {
  if (start < 1 || static_cast<std::size_t>(start) > text.size() || n <= 0) return {};
  return Text(text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(n)));
}

std::int32_t CompareTexts(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace runtime
