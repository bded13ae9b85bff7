// Users type numbers and dates with a Chinese input method as often as without one, so
// number and date reading first turns full-width forms into their ASCII counterparts.
#pragma once

#include <string>
#include <string_view>

namespace runtime {

// GBK A3A1..A3FE become 0x21..0x7E and the ideographic space A1A1 a space. Other
// two-byte characters pass through as pairs, so a trail byte is never read on its own.
std::string FoldFullWidth(std::string_view text);

}  // namespace runtime
