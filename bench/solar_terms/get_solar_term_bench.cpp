// GetSolarTerm as the calendar calls it for every day it draws: a lunar date in, a new
// text (or none) out. Averaged over the days of a year, for the first, a middle and the
// last year the calendar shows (the conversion's cost grows with the distance from 1901).
#include "lunar/entry_points.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void* Allocate(std::uint32_t size) { return std::malloc(size); }

struct LunarDay {
  std::int32_t year, month, day, leap;
};

// The lunar dates of the Gregorian days of a year in 1902..2048; empty if any fails.
std::vector<LunarDay> LunarDaysOf(int year) {
  const bool leap = year % 4 == 0;  // 1900 and 2100 lie outside
  const int first = 2 + 365 * (year - 1900) + (year - 1901) / 4;  // DateValue of 1 January
  std::vector<LunarDay> days;
  for (int date = first; date < first + (leap ? 366 : 365); ++date) {
    LunarDay d{};
    if (!lunar::GetLunarDate(date, d.year, d.month, d.day, d.leap)) return {};
    days.push_back(d);
  }
  return days;
}

void BM_GetSolarTerm(benchmark::State& state) {
  lunar::SetServiceFunction(Allocate);
  const std::vector<LunarDay> days = LunarDaysOf(static_cast<int>(state.range(0)));
  if (days.empty()) {
    state.SkipWithError("lunar conversion failed");
    return;
  }
  std::size_t i = 0;
  std::int32_t number = 0;
  for (auto _ : state) {
    const LunarDay& d = days[i];
    char* name = lunar::GetSolarTerm(d.year, d.month, d.day, d.leap, &number);
    benchmark::DoNotOptimize(name);
    std::free(name);
    if (++i == days.size()) i = 0;
  }
}
BENCHMARK(BM_GetSolarTerm)->Arg(1902)->Arg(2023)->Arg(2047)->Unit(benchmark::kMicrosecond);

}  // namespace
