#include "runtime/full_width.h"

namespace runtime {

std::string FoldFullWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x81 || i + 1 == text.size()) {
      folded.push_back(text[i]);
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded.push_back(static_cast<char>(trail - 0x80));
    } else if (lead == 0xA1 && trail == 0xA1) {
      folded.push_back(' ');
    } else {
      folded.push_back(text[i]);
      folded.push_back(text[i + 1]);
    }
    ++i;
  }
  return folded;
}

}  // namespace runtime
