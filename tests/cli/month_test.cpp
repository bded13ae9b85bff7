// wnl month: the grid in a terminal, its boxes read as the window reads them, the
// window's messages, and colour only on a terminal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "wnl_process.h"

namespace cli_test {
namespace {

const std::vector<std::string> kDecember2022 = {"month", "2022", "12", "--today", "2022-12-15"};

// December 2022, with today, wide names, a two-line festival and 十二月大, against
// tests/cli/fixtures/2022-12-grid.txt (WNL_UPDATE_FIXTURES=1 rewrites it; review the diff).
TEST(MonthGrid, DecemberTwentyTwentyTwo) {
  const Outcome run = RunWnl(kDecember2022);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::string path = std::string(WNL_TEST_DATA) + "/fixtures/2022-12-grid.txt";
  if (std::getenv("WNL_UPDATE_FIXTURES") != nullptr) std::ofstream(path, std::ios::binary) << run.out;
  std::ifstream file(path, std::ios::binary);
  ASSERT_TRUE(file) << path;
  std::stringstream fixture;
  fixture << file.rdbuf();
  const auto want = Lines(fixture.str());
  const auto got = Lines(run.out);
  for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    EXPECT_EQ(i < got.size() ? got[i] : "(nothing)", i < want.size() ? want[i] : "(nothing)")
        << "line " << i + 1;
  }
  EXPECT_EQ(run.out.find('\x1b'), std::string::npos) << "no colour into a pipe";
}

TEST(MonthGrid, WithoutArgumentsTheBoxesKeepToday) {
  const Outcome reference = RunWnl(kDecember2022);
  EXPECT_EQ(RunWnl({"--today", "2022-12-15"}).out, reference.out);
  EXPECT_EQ(RunWnl({"month", "--today", "2022-12-15"}).out, reference.out);
  EXPECT_EQ(RunWnl({"month", "2022", "--today", "2023-12-01"}).out,
            RunWnl({"month", "2022", "12", "--today", "2023-12-01"}).out);
}

TEST(MonthGrid, BoxTextsReadAsInTheWindow) {
  const Outcome reference = RunWnl(kDecember2022);
  for (const auto& [year, month] : std::vector<std::pair<std::string, std::string>>{
           {U8(u8"２０２２"), U8(u8"１２")},
           {U8(u8"2022年"), U8(u8"12月")},
           {"2022.9", "12.5"},
           {"  2022", "+12"},
       }) {
    const Outcome run = RunWnl({"month", year, month, "--today", "2022-12-15"});
    EXPECT_EQ(run.status, 0) << year;
    EXPECT_EQ(run.out, reference.out) << year << " " << month;
  }
}

TEST(MonthGrid, OutOfRangePrintsTheWindowsMessage) {
  const std::string year_message = U8(u8"wnl: ※※ 年份应在1902-2047之间 ※※\n");
  const std::string month_message = U8(u8"wnl: ※※ 月份数应在 1-12 之间　※※\n");
  const struct {
    std::string year, month, message;
  } cases[] = {
      {"1901", "6", year_message},   {"2048", "6", year_message}, {"abc", "6", year_message},
      {"", "6", year_message},       {"1901", "13", year_message}, {"2022", "0", month_message},
      {"2022", "13", month_message}, {"2022", "", month_message},
  };
  for (const auto& c : cases) {
    const Outcome run = RunWnl({"month", c.year, c.month});
    EXPECT_EQ(run.status, 1) << c.year << " " << c.month;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.message) << c.year << " " << c.month;
  }
  EXPECT_EQ(RunWnl({"month", "1902", "1"}).status, 0);
  EXPECT_EQ(RunWnl({"month", "2047", "12"}).status, 0);
}

// On a terminal: red weekends, green festivals, blue terms, violet month starts, today
// black on cyan; NO_COLOR turns all of it off and brackets today instead.
TEST(MonthGrid, ColourOnlyOnATerminalAndNotWithNoColor) {
  const Outcome coloured = RunWnlOnTerminal(kDecember2022);
  EXPECT_EQ(coloured.status, 0);
  for (const std::string& painted : {std::string("\x1b[31m3\x1b[0m"),
                                     std::string("\x1b[30;46m15\x1b[0m"),
                                     U8(u8"\x1b[32m圣诞节\x1b[0m"), U8(u8"\x1b[34m冬至\x1b[0m"),
                                     U8(u8"\x1b[35m十二月大\x1b[0m"),
                                     U8(u8"\x1b[31m星期日\x1b[0m")}) {
    EXPECT_NE(coloured.out.find(painted), std::string::npos) << painted;
  }
  EXPECT_EQ(coloured.out.find("[15]"), std::string::npos);

  const Outcome plain = RunWnlOnTerminal(kDecember2022, {"NO_COLOR=1"});
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.out.find('\x1b'), std::string::npos);
  EXPECT_NE(plain.out.find("[15]"), std::string::npos);
}

}  // namespace
}  // namespace cli_test
