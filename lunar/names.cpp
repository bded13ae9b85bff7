#include "lunar/names.h"

namespace lunar {
namespace {

constexpr char kStems[] = "甲乙丙丁戊己庚辛壬癸";
constexpr char kBranches[] = "子丑寅卯辰巳午未申酉戌亥";
constexpr char kAnimals[] = "鼠牛虎兔龙蛇马羊猴鸡狗猪";

static_assert(sizeof(kStems) == 2 * 10 + 1 && sizeof(kBranches) == 2 * 12 + 1 &&
                  sizeof(kAnimals) == 2 * 12 + 1,
              "every character is two GBK bytes");

// Appends character `index` (counted from 1) of `chars`, if it has one.
char* AppendCharacter(char* out, const char* chars, std::int64_t index, std::int64_t count) {
  if (index < 1 || index > count) return out;
  const char* from = chars + 2 * (index - 1);
  *out++ = from[0];
  *out++ = from[1];
  return out;
}

}  // namespace

void StemBranchName(std::int32_t number, char* text) {
  // Remainders of truncating division, so numbers below 1 give parts out of range.
  const std::int64_t offset = std::int64_t{number} - 1;
  char* end = AppendCharacter(text, kStems, offset % 10 + 1, 10);
  end = AppendCharacter(end, kBranches, offset % 12 + 1, 12);
  *end = '\0';
}

std::uint16_t ZodiacName(std::uint16_t year, char* text) {
  const std::int32_t r = (std::int32_t{year} - 4) % 12;
  if (r < 0) {
    text[0] = '\0';
    return 0;
  }
  *AppendCharacter(text, kAnimals, r + 1, 12) = '\0';
  return static_cast<std::uint16_t>(r + 1);
}

}  // namespace lunar
