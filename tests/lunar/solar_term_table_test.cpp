// The stored solar-term table: every term 1901..2048 on its fixed day, the five sample
// years within a minute of their listed moments, the near-midnight terms on the right
// side of midnight, and the shape every row must keep.
#include "lunar/solar_terms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using lunar::kFirstTermYear;
using lunar::kLastTermYear;
using lunar::kSolarTermTable;
using lunar::TermMoment;

const TermMoment& Entry(int year, int term) {
  return kSolarTermTable[year - kFirstTermYear][term - 1];
}

// Days from 1880-01-01 (any fixed origin would do) to a Gregorian date.
long DayNumber(int y, int m, int d) {
  y -= m <= 2;
  const long era = y / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 686596;
}

long long Seconds(int year, const TermMoment& e) {
  return DayNumber(year, e.month, e.day) * 86400LL + e.hour * 3600 + e.minute * 60 + e.second;
}

// Lines of a fixture file under tests/lunar, without the comment lines.
std::vector<std::string> FixtureLines(const char* name) {
  std::ifstream in(std::string(WNL_TEST_DATA) + "/" + name);
  EXPECT_TRUE(in) << "cannot open fixture " << name;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  return lines;
}

TEST(SolarTermTable, EveryTermOf1901To2048FallsOnItsFixedDay) {
  const std::vector<std::string> rows = FixtureLines("solar_term_days.txt");
  ASSERT_EQ(rows.size(), 148u);
  int expected_year = 1901;
  for (const std::string& row : rows) {
    std::istringstream fields(row);
    int year = 0;
    fields >> year;
    ASSERT_EQ(year, expected_year++);
    for (int month = 1; month <= 12; ++month) {
      std::string pair;
      fields >> pair;
      ASSERT_EQ(pair.size(), 2u) << year << " month " << month;
      const int days[2] = {pair[0] - '0', pair[1] - '0' + 15};
      for (int i = 0; i < 2; ++i) {
        const int term = 2 * month - 1 + i;
        const TermMoment& e = Entry(year, term);
        EXPECT_EQ(e.month, month) << year << " term " << term;
        EXPECT_EQ(e.day, days[i]) << year << " term " << term << " at "
                                  << int(e.hour) << ':' << int(e.minute) << ':'
                                  << int(e.second);
      }
    }
  }
}

TEST(SolarTermTable, SampleYearsLieWithinAMinuteOfTheirListedMoments) {
  const std::vector<std::string> lines = FixtureLines("solar_term_samples.txt");
  ASSERT_EQ(lines.size(), 25u);
  std::istringstream header(lines[0]);
  std::string word;
  header >> word;
  std::vector<int> years;
  for (int y; header >> y;) years.push_back(y);
  ASSERT_EQ(years.size(), 5u);

  double largest = 0, total = 0;
  int count = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::istringstream fields(lines[i]);
    int term = 0;
    fields >> term;
    ASSERT_EQ(term, static_cast<int>(i));
    for (int year : years) {
      std::string date, time;
      fields >> date >> time;
      int mo, d, h, mi, s;
      ASSERT_EQ(std::sscanf(date.c_str(), "%d-%d", &mo, &d), 2) << lines[i];
      ASSERT_EQ(std::sscanf(time.c_str(), "%d:%d:%d", &h, &mi, &s), 3) << lines[i];
      const TermMoment listed{static_cast<std::uint8_t>(mo), static_cast<std::uint8_t>(d),
                              static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(mi),
                              static_cast<std::uint8_t>(s)};
      const long long deviation = Seconds(year, Entry(year, term)) - Seconds(year, listed);
      EXPECT_LE(std::llabs(deviation), 60) << year << " term " << term;
      largest = std::fmax(largest, std::fabs(static_cast<double>(deviation)));
      total += std::fabs(static_cast<double>(deviation));
      ++count;
    }
  }
  ASSERT_EQ(count, 120);
  RecordProperty("largest_deviation_s", std::to_string(largest));
  RecordProperty("mean_deviation_s", std::to_string(total / count));
  std::printf("sample moments: largest deviation %.0f s, mean %.2f s over %d\n", largest,
              total / count, count);
}

TEST(SolarTermTable, TermsNearMidnightLandOnTheirListedDays) {
  // The day after a moment just past midnight, or before one just short of it, must not
  // report the term.
  struct Case {
    int year, term, month, day;
    bool just_after_midnight;
  };
  const Case cases[] = {
      {1881, 24, 12, 22, true},  {1890, 4, 2, 18, false},  {1911, 9, 5, 7, true},
      {1917, 10, 5, 21, false},  {1917, 23, 12, 8, true},  {1923, 4, 2, 19, false},
      {1950, 8, 4, 20, false},   {1951, 24, 12, 23, true}, {1979, 2, 1, 20, false},
      {1984, 14, 7, 22, false},  {2008, 10, 5, 21, true},  {2021, 24, 12, 21, false},
      {2051, 6, 3, 20, false},
  };
  for (const Case& c : cases) {
    const TermMoment& e = Entry(c.year, c.term);
    EXPECT_EQ(e.month, c.month) << c.year << " term " << c.term;
    EXPECT_EQ(e.day, c.day) << c.year << " term " << c.term;
    EXPECT_EQ(e.hour, c.just_after_midnight ? 0 : 23) << c.year << " term " << c.term;
    EXPECT_EQ(lunar::SolarTermOn(c.year, c.month, c.day), c.term) << c.year;
    const int other_day = c.just_after_midnight ? c.day - 1 : c.day + 1;
    EXPECT_EQ(lunar::SolarTermOn(c.year, c.month, other_day), 0) << c.year;
  }
}

TEST(SolarTermTable, EveryRowKeepsTwoTermsPerMonthInStrictlyIncreasingOrder) {
  long long previous = -1;
  for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
    for (int term = 1; term <= 24; ++term) {
      const TermMoment& e = Entry(year, term);
      const bool first_of_month = term % 2 == 1;
      EXPECT_EQ(e.month, (term + 1) / 2) << year << " term " << term;
      if (first_of_month) {
        EXPECT_TRUE(e.day >= 3 && e.day <= 9) << year << " term " << term;
      } else {
        EXPECT_TRUE(e.day >= 18 && e.day <= 24) << year << " term " << term;
      }
      EXPECT_TRUE(e.hour < 24 && e.minute < 60 && e.second < 60) << year << " term " << term;
      const long long now = Seconds(year, e);
      EXPECT_GT(now, previous) << year << " term " << term;
      previous = now;
    }
  }
}

}  // namespace
