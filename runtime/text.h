// Texts: GBK byte strings owned by whoever holds them.
//
// The calendar lays out its texts by counting bytes, so every length and position here
// counts GBK bytes (a Chinese character is two), and positions start at 1. There is no
// separate "absent" text: a text that is not there is the empty text, and comparing
// against the empty text is how the calendar asks whether it got anything.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

using Text = std::string;

std::int32_t TextLength(std::string_view text);

// The first min(n, length) bytes; empty when n <= 0.
Text TextLeft(std::string_view text, std::int32_t n);

// The last min(n, length) bytes; empty when n <= 0.
Text TextRight(std::string_view text, std::int32_t n);

// n bytes from position start (1-based), cut short at the end of the text; empty when
// start < 1, start > length or n <= 0.
Text TextMid(std::string_view text, std::int32_t start, std::int32_t n);

// -1, 0 or 1 by unsigned byte order.
std::int32_t CompareTexts(std::string_view a, std::string_view b);

template <typename... More>
Text JoinTexts(std::string_view a, std::string_view b, const More&... more) {
  Text joined;
  joined.reserve(a.size() + b.size() + (std::string_view(more).size() + ... + 0));
  joined.append(a).append(b);
  (joined.append(std::string_view(more)), ...);
  return joined;
}

}  // namespace runtime
