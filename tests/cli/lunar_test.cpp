// wnl lunar: one day in words, a range, and the exact TSV over the whole lunar span.
#include <gtest/gtest.h>

#include "wnl_process.h"

namespace cli_test {
namespace {

TEST(Lunar, OneDayInWords) {
  const struct {
    std::string day, line;
  } cases[] = {
      {"2023-03-22", U8(u8"2023-03-22  癸卯年 闰二月初一\n")},
      {"2023-03-21", U8(u8"2023-03-21  癸卯年 二月三十      春分\n")},
      {"2022-12-23", U8(u8"2022-12-23  壬寅年 十二月初一\n")},
      {"2022-06-06", U8(u8"2022-06-06  壬寅年 五月初八      芒种  全国爱眼日\n")},
      {"2010-02-14", U8(u8"2010-02-14  庚寅年 一月初一            春节\n")},
      {"1901-02-19", U8(u8"1901-02-19  辛丑年 一月初一      雨水  春节\n")},
      {"2048-12-31", U8(u8"2048-12-31  戊辰年 十一月廿七\n")},
  };
  for (const auto& c : cases) {
    const Outcome run = RunWnl({"lunar", c.day});
    EXPECT_EQ(run.status, 0) << c.day;
    EXPECT_EQ(run.out, c.line);
  }
  EXPECT_EQ(RunWnl({"lunar", "--today", "2023-03-22"}).out, U8(u8"2023-03-22  癸卯年 闰二月初一\n"));
}

TEST(Lunar, DayOutsideTheSpanHasNoAnswer) {
  for (const std::string day : {"1901-02-18", "2049-01-01", "0100-01-01", "9999-12-31"}) {
    const Outcome run = RunWnl({"lunar", day});
    EXPECT_EQ(run.status, 1) << day;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "wnl: " + day +
                           " has no lunar date: the lunar calendar runs from 1901-02-19 to "
                           "2048-12-31\n");
  }
}

TEST(Lunar, RangeInWords) {
  const Outcome run = RunWnl({"lunar", "1901-02-17", "1901-02-20"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, U8(u8"1901-02-17  none\n"
                        u8"1901-02-18  none\n"
                        u8"1901-02-19  辛丑年 一月初一      雨水  春节\n"
                        u8"1901-02-20  辛丑年 一月初二            春节\n"));
}

TEST(Lunar, TsvAtTheEdgesOfTheSpan) {
  const Outcome start = RunWnl({"lunar", "--tsv", "1901-02-18", "1901-02-20"});
  EXPECT_EQ(start.status, 0);
  EXPECT_EQ(start.out, "1901-02-18\tnone\n1901-02-19\t1901\t1\t1\t0\n1901-02-20\t1901\t1\t2\t0\n");

  const Outcome end = RunWnl({"--tsv", "lunar", "2048-12-30", "2049-01-01"});
  EXPECT_EQ(end.status, 2) << "--tsv belongs to the command";
  const Outcome end_ok = RunWnl({"lunar", "2048-12-30", "2049-01-01", "--tsv"});
  EXPECT_EQ(end_ok.status, 0);
  EXPECT_EQ(end_ok.out, "2048-12-30\t2048\t11\t26\t0\n2048-12-31\t2048\t11\t27\t0\n2049-01-01\tnone\n");

  const Outcome leap = RunWnl({"lunar", "--tsv", "2023-03-21", "2023-03-22"});
  EXPECT_EQ(leap.out, "2023-03-21\t2023\t2\t30\t0\n2023-03-22\t2023\t2\t1\t1\n");
  EXPECT_EQ(RunWnl({"lunar", "--tsv", "1900-01-01"}).out, "1900-01-01\tnone\n");
}

// 54,008 days, every one with a lunar date, in calendar order.
TEST(Lunar, TsvOverTheWholeSpan) {
  const Outcome run = RunWnl({"lunar", "--tsv", "1901-02-19", "2048-12-31"});
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 54008u);
  EXPECT_EQ(lines.front(), "1901-02-19\t1901\t1\t1\t0");
  EXPECT_EQ(lines[365 - 49], "1902-01-01\t1901\t11\t22\t0");
  EXPECT_EQ(lines.back(), "2048-12-31\t2048\t11\t27\t0");
  EXPECT_EQ(run.out.find("none"), std::string::npos);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    ASSERT_LT(lines[i - 1].substr(0, 10), lines[i].substr(0, 10)) << lines[i];
  }
}

}  // namespace
}  // namespace cli_test
