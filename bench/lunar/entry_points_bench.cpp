// GetSolarTerm per call, as the calendar makes it once for every day it draws: averaged
// over the lunar dates of every day of the span, each text result freed again.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "lunar/conversion.h"
#include "lunar/entry_points.h"
#include "lunar/solar_date.h"

namespace lunar {
namespace {

struct Lunar {
  std::int32_t year, month, day, leap;
};

std::vector<Lunar> LunarDatesOfTheSpan() {
  std::vector<Lunar> dates;
  std::uint16_t y = 1901, m = 2, d = 19;
  for (;;) {
    std::uint16_t ly, lm, ld;
    std::uint8_t leap;
    if (SolarToLunar(y, m, d, ly, lm, ld, leap)) dates.push_back({ly, lm, ld, leap});
    if (y == 2048 && m == 12 && d == 31) break;
    StepSolarDay(y, m, d, 1);
  }
  return dates;
}

void* MallocService(std::uint32_t size) { return std::malloc(size); }

void BM_GetSolarTerm(benchmark::State& state) {
  SetServiceFunction(MallocService);
  const std::vector<Lunar> dates = LunarDatesOfTheSpan();
  std::size_t next = 0;
  for (auto _ : state) {
    const Lunar& l = dates[next];
    next = next + 1 == dates.size() ? 0 : next + 1;
    std::int32_t number = 0;
    char* name = GetSolarTerm(l.year, l.month, l.day, l.leap, &number);
    benchmark::DoNotOptimize(number);
    std::free(name);
  }
}
BENCHMARK(BM_GetSolarTerm)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lunar
