// One whole RedrawMonth on the headless surface: December 2022 has 31 days, two solar
// terms, festivals and the start of a lunar month, and today on a cyan ground. A held
// arrow button redraws at the platform's repeat rate, so this must stay well under 2 ms.
#include <benchmark/benchmark.h>

#include "app/redraw_month.h"
#include "app/window_definition.h"
#include "runtime/clock.h"
#include "runtime/headless/headless_backend.h"
#include "runtime/properties.h"
#include "runtime/runtime.h"

namespace {

void BM_RedrawMonth(benchmark::State& state) {
  runtime::FixClock(runtime::MakeDateValue(2022, 12, 15));
  runtime::headless::HeadlessBackend backend;
  runtime::Runtime rt(backend);
  runtime::Window& window = rt.LoadWindow(app::kCalendarWindowDefinition);
  runtime::WriteProperty(app::kCalendarWindow, app::编辑框1, runtime::kPropertyText,
                         runtime::kWholeValue, "2022");
  runtime::WriteProperty(app::kCalendarWindow, app::编辑框2, runtime::kPropertyText,
                         runtime::kWholeValue, "12");
  auto& canvas = *runtime::headless::HeadlessHostOf(window).Recording(app::画板1);
  for (auto _ : state) {
    canvas.ClearOps();
    app::RedrawMonth();
    benchmark::DoNotOptimize(canvas.ops().data());
  }
  state.counters["ops"] = static_cast<double>(canvas.ops().size());
}
BENCHMARK(BM_RedrawMonth)->Unit(benchmark::kMicrosecond);

}  // namespace
