// wnl terms: the 24 moments of a year from the stored table, in words and as TSV, and
// the years the table does not hold.
#include <gtest/gtest.h>

#include <cstdio>

#include "lunar/solar_terms.h"
#include "wnl_process.h"

namespace cli_test {
namespace {

// "MM-DD HH:MM:SS" of term k as the table stores it.
std::string Moment(int year, int k) {
  const lunar::TermMoment& m = lunar::kSolarTermTable[year - lunar::kFirstTermYear][k - 1];
  char text[32];
  std::snprintf(text, sizeof text, "%02d-%02d %02d:%02d:%02d", m.month, m.day, m.hour, m.minute,
                m.second);
  return text;
}

TEST(Terms, TsvInTermOrderFromTheTable) {
  for (const int year : {1880, 2023, 2079}) {
    const Outcome run = RunWnl({"terms", "--tsv", std::to_string(year)});
    ASSERT_EQ(run.status, 0) << year;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], U8(u8"1\t小寒\t") + Moment(year, 1));
    EXPECT_EQ(lines[2], U8(u8"3\t立春\t") + Moment(year, 3));
    EXPECT_EQ(lines[23], U8(u8"24\t冬至\t") + Moment(year, 24));
  }
}

TEST(Terms, InWordsWithTheYear) {
  const Outcome run = RunWnl({"terms", "2023"});
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0], U8(u8" 1  小寒  2023-") + Moment(2023, 1) + " +08:00");
  EXPECT_EQ(lines[23], U8(u8"24  冬至  2023-") + Moment(2023, 24) + " +08:00");
  EXPECT_EQ(RunWnl({"terms", "--today", "2023-07-01"}).out, run.out);
}

TEST(Terms, YearsOutsideTheTablePrintNothing) {
  for (const std::string year : {"1879", "2080", "-5", "99999999999999999999"}) {
    for (const bool tsv : {false, true}) {
      const Outcome run = tsv ? RunWnl({"terms", "--tsv", "--", year}) : RunWnl({"terms", "--", year});
      EXPECT_EQ(run.status, 1) << year;
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, "wnl: the solar terms are known for the years 1880 to 2079\n");
    }
  }
}

}  // namespace
}  // namespace cli_test
