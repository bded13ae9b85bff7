#include "app/header_line.h"

#include "lunar/entry_points.h"
#include "runtime/library_texts.h"
#include "runtime/numbers.h"

namespace app {

using namespace runtime;

namespace {

// The era's name followed by its year number, counted from `base` + 1.
Text Numbered(const char* era, std::int32_t year, std::int32_t base) {
  return JoinTexts(era, ToText(static_cast<double>(year - base)));
}

}  // namespace

Text EraPrefix(std::int32_t year) {
  if (year <= 1908) return Numbered("◆光绪", year, 1874);
  if (year == 1909) return "◆宣统元";
  if (year <= 1911) return Numbered("◆宣统", year, 1908);
  if (year == 1912) return "◆民国元";
  if (year <= 1949) return Numbered("◆民国", year, 1911);
  if (year == 1950) return "◆共和国元";
  return Numbered("◆共和国", year, 1949);
}

Text ComposeHeaderLine(std::int32_t year, std::int32_t date, LunarDate& lunar) {
  TakeLunarDate(date, lunar);
  const std::int32_t cycle = TruncateToInt(Remainder(lunar.year - 4, 60) + 1);
  const Text stem_branch = AdoptLibraryText(lunar::GetStemBranch(cycle));
  const Text zodiac = AdoptLibraryText(lunar::GetZodiac(lunar.year));
  return JoinTexts(EraPrefix(year), "年◆ 农历 ", stem_branch, "年〖", zodiac, "〗");
}

}  // namespace app
