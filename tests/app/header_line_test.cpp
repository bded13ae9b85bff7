// The header line: era of the Gregorian year, stem-branch and zodiac of the lunar year
// of the month's 1st.
#include <gtest/gtest.h>

#include "app/header_line.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/runtime.h"

namespace app {
namespace {

TEST(EraPrefix, ChangesAtEachEra) {
  struct Case {
    std::int32_t year;
    const char* prefix;
  };
  const Case cases[] = {
      {1902, "◆光绪28"}, {1908, "◆光绪34"}, {1909, "◆宣统元"},   {1910, "◆宣统2"},
      {1911, "◆宣统3"},  {1912, "◆民国元"}, {1913, "◆民国2"},    {1949, "◆民国38"},
      {1950, "◆共和国元"}, {1951, "◆共和国2"}, {2047, "◆共和国98"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EraPrefix(c.year), c.prefix) << c.year;
  }
}

TEST(ComposeHeaderLine, NamesTheLunarYearOfTheFirst) {
  runtime::headless::HeadlessBackend backend;
  runtime::Runtime runtime(backend);  // hands the library its allocator
  struct Case {
    std::int32_t year, month;
    const char* header;
  };
  const Case cases[] = {
      {1902, 6, "◆光绪28年◆ 农历 壬寅年〖虎〗"},
      {1905, 6, "◆光绪31年◆ 农历 乙巳年〖蛇〗"},
      {1909, 6, "◆宣统元年◆ 农历 己酉年〖鸡〗"},
      {1911, 6, "◆宣统3年◆ 农历 辛亥年〖猪〗"},
      {1912, 6, "◆民国元年◆ 农历 壬子年〖鼠〗"},
      {1949, 6, "◆民国38年◆ 农历 己丑年〖牛〗"},
      {1950, 6, "◆共和国元年◆ 农历 庚寅年〖虎〗"},
      {2022, 6, "◆共和国73年◆ 农历 壬寅年〖虎〗"},
      {2023, 1, "◆共和国74年◆ 农历 壬寅年〖虎〗"},  // 1 January comes before the new year
      {2023, 2, "◆共和国74年◆ 农历 癸卯年〖兔〗"},
      {2047, 6, "◆共和国98年◆ 农历 丁卯年〖兔〗"},
  };
  for (const Case& c : cases) {
    LunarDate lunar;
    EXPECT_EQ(ComposeHeaderLine(c.year, c.year * 10000 + c.month * 100 + 1, lunar), c.header)
        << c.year << "-" << c.month;
  }
}

}  // namespace
}  // namespace app
