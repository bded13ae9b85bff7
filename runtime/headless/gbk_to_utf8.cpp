#include "runtime/headless/gbk_to_utf8.h"

#include "runtime/headless/character_conversion.h"

namespace runtime::headless {
namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";

bool IsAscii(unsigned char c) { return c < 0x80; }

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  for (std::size_t i = 0; i < gbk.size();) {
    const auto lead = static_cast<unsigned char>(gbk[i]);
    if (IsAscii(lead)) {
      out.push_back(gbk[i++]);
      continue;
    }
    // A lead byte takes its trail byte along; 0x80 (the euro sign) stands alone.
    const std::size_t length = lead >= 0x81 && lead <= 0xFE && i + 1 < gbk.size() ? 2 : 1;
    if (ConvertCharacter(gbk.substr(i, length), Encoding::kGbk, Encoding::kUtf8, out)) {
      i += length;
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

}  // namespace runtime::headless
