// The month that the program prints without a display: the same header and days as the
// window, read back from the drawing.
#include "app/terminal_month.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/clock.h"

namespace app {
namespace {

const char* Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::vector<std::string> Printed() {
  std::FILE* file = std::tmpfile();
  PrintCurrentMonth(file);
  std::rewind(file);
  std::string all;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) all.append(buffer, n);
  std::fclose(file);
  std::vector<std::string> lines;
  std::istringstream in(all);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(TerminalMonth, PrintsTheHeaderTheWeekdaysAndEveryDayWithTodayMarked) {
  runtime::FixClock(runtime::MakeDateValue(2024, 5, 17, 8, 0, 0));
  const std::vector<std::string> lines = Printed();
  ASSERT_EQ(lines.size(), 3u + 2 * 5);  // header, blank, weekdays, five rows of two lines
  EXPECT_EQ(lines[0], Utf8(u8"公历 2024 年 5 月   ◆共和国75年◆ 农历 甲辰年〖龙〗"));
  EXPECT_NE(lines[2].find(Utf8(u8"星期日")), std::string::npos);
  // 1 May 2024 is a Wednesday: the first row starts in the fourth column.
  EXPECT_EQ(lines[3].find('1'), 3 * 10 + 4u);
  EXPECT_NE(lines[4].find(Utf8(u8"劳动节")), std::string::npos);
  EXPECT_NE(lines[7].find("[17]"), std::string::npos);
  EXPECT_NE(lines[11].find("31"), std::string::npos);
}

}  // namespace
}  // namespace app
