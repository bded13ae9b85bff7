// wnl solar: a lunar date's Gregorian day, dates that do not exist, and the TSV filter
// over standard input, malformed lines included.
#include <gtest/gtest.h>

#include "wnl_process.h"

namespace cli_test {
namespace {

TEST(Solar, GregorianDayOfALunarDate) {
  const struct {
    std::vector<std::string> arguments;
    std::string line;
  } cases[] = {
      {{"solar", "2023", "2", "1", "--leap"}, U8(u8"2023-03-22  癸卯年 闰二月初一\n")},
      {{"solar", "--leap", "2023", "2", "1"}, U8(u8"2023-03-22  癸卯年 闰二月初一\n")},
      {{"solar", "2023", "2", "1"}, U8(u8"2023-02-20  癸卯年 二月初一\n")},
      {{"solar", "1901", "1", "1"}, U8(u8"1901-02-19  辛丑年 一月初一      雨水  春节\n")},
      {{"solar", "2048", "11", "27"}, U8(u8"2048-12-31  戊辰年 十一月廿七\n")},
  };
  for (const auto& c : cases) {
    const Outcome run = RunWnl(c.arguments);
    EXPECT_EQ(run.status, 0) << c.line;
    EXPECT_EQ(run.out, c.line);
  }
}

// A leap flag on a month without a leap month would be dropped by the search, and wide
// numbers would wrap round to other years: neither is the date asked for.
TEST(Solar, DateThatDoesNotExist) {
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"solar", "2022", "2", "1", "--leap"}, "year 2022, leap month 2, day 1"},
      {{"solar", "2023", "2", "30", "--leap"}, "year 2023, leap month 2, day 30"},
      {{"solar", "2023", "2", "31"}, "year 2023, month 2, day 31"},
      {{"solar", "2023", "13", "1"}, "year 2023, month 13, day 1"},
      {{"solar", "1900", "12", "1"}, "year 1900, month 12, day 1"},
      {{"solar", "2048", "11", "28"}, "year 2048, month 11, day 28"},
      {{"solar", "67437", "1", "1"}, "year 67437, month 1, day 1"},
      {{"solar", "--", "-1", "1", "1"}, "year -1, month 1, day 1"},
  };
  for (const auto& c : cases) {
    const Outcome run = RunWnl(c.arguments);
    EXPECT_EQ(run.status, 1) << c.message;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "wnl: no such lunar date: " + c.message + "\n");
  }
}

TEST(Solar, TsvAnswersEveryLine) {
  constexpr char kInput[] =
      "2023 2 1 1\n"
      "2023 2 1 0\n"
      "\t2023\t2\t30\t0  \r\n"
      "2023 2 30 1\n"
      "2048 11 27 0\n"
      "2048 11 28 0\n"
      "1901 1 1 0\n"
      "1900 1 1 0\n"
      "2022 2 1 1\n"       // no leap month: the search drops the flag
      "2023 2 1 2\n"       // LEAP is 0 or 1
      "67437 1 1 0\n"      // wider than the library's 16 bits
      "99999999999999999999 1 1 0\n"
      "2023 2 1\n"
      "2023 2 1 0 0\n"
      "2023 2 1.5 0\n"
      "\n"
      "\xFF\xFE\x00\x01 garbage\n"
      "2023 1 1 0";  // the last line without its line feed
  const std::string input(kInput, sizeof kInput - 1);
  const Outcome run = RunWnl({"solar", "--tsv", "-"}, input);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "2023-03-22\n2023-02-20\n2023-03-21\nnone\n2048-12-31\nnone\n1901-02-19\nnone\n"
            "2022-03-03\nnone\nnone\nnone\nnone\nnone\nnone\nnone\nnone\n2023-01-22\n");
}

TEST(Solar, TsvWithoutInputPrintsNothing) {
  const Outcome run = RunWnl({"solar", "--tsv", "-"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace cli_test
