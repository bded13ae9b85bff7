// SolarTermOn as the calendar calls it: once for every day it draws.
#include "lunar/solar_terms.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

struct Day {
  std::uint16_t year, month, day;
};

std::vector<Day> DaysOf(std::uint16_t year) {
  const int month_days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  std::vector<Day> days;
  for (std::uint16_t m = 1; m <= 12; ++m) {
    const int last = m == 2 && !leap ? 28 : month_days[m - 1];
    for (std::uint16_t d = 1; d <= last; ++d) days.push_back({year, m, d});
  }
  return days;
}

// One call per iteration, walking the days of 2024 in turn.
void BM_SolarTermOn(benchmark::State& state) {
  const std::vector<Day> days = DaysOf(2024);
  std::size_t i = 0;
  for (auto _ : state) {
    const Day& d = days[i];
    benchmark::DoNotOptimize(lunar::SolarTermOn(d.year, d.month, d.day));
    if (++i == days.size()) i = 0;
  }
}
BENCHMARK(BM_SolarTermOn);

// The longest walk: a December day that begins no term passes all 24 entries.
void BM_SolarTermOnLastDayOfYear(benchmark::State& state) {
  std::uint16_t year = 2024, month = 12, day = 31;
  for (auto _ : state) {
    benchmark::DoNotOptimize(year);
    benchmark::DoNotOptimize(lunar::SolarTermOn(year, month, day));
  }
}
BENCHMARK(BM_SolarTermOnLastDayOfYear);

}  // namespace
