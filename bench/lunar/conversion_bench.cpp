// SolarToLunar averaged over every day it converts, and LunarToSolar for the dates whose
// search is the longest (56 probe tests).
#include <benchmark/benchmark.h>

#include <vector>

#include "lunar/conversion.h"
#include "lunar/solar_date.h"

namespace lunar {
namespace {

struct Solar {
  std::uint16_t year, month, day;
};

std::vector<Solar> EveryDayOfTheSpan() {
  std::vector<Solar> days;
  for (Solar d{1901, 2, 19};;) {
    days.push_back(d);
    if (d.year == 2048 && d.month == 12 && d.day == 31) break;
    StepSolarDay(d.year, d.month, d.day, 1);
  }
  return days;
}

// One iteration converts the whole span; "per_day" is the time of one conversion.
void BM_SolarToLunarWholeSpan(benchmark::State& state) {
  const std::vector<Solar> days = EveryDayOfTheSpan();
  for (auto _ : state) {
    for (const Solar& d : days) {
      std::uint16_t year, month, day;
      std::uint8_t leap;
      benchmark::DoNotOptimize(SolarToLunar(d.year, d.month, d.day, year, month, day, leap));
      benchmark::DoNotOptimize(day);
    }
  }
  state.counters["per_day"] = benchmark::Counter(
      static_cast<double>(days.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SolarToLunarWholeSpan)->Unit(benchmark::kMillisecond);

// The 30th of the leap seventh month of 1919 and of 1938: solar 1919-09-23 and 1938-09-23.
void BM_LunarToSolarWorst(benchmark::State& state) {
  const auto year = static_cast<std::uint16_t>(state.range(0));
  for (auto _ : state) {
    std::uint16_t y, m, d;
    benchmark::DoNotOptimize(LunarToSolar(year, 7, 30, 1, y, m, d));
    benchmark::DoNotOptimize(d);
  }
}
BENCHMARK(BM_LunarToSolarWorst)->Arg(1919)->Arg(1938)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lunar
