// The calendar window on Qt (offscreen), next to an empty Qt window on the same machine:
//
//   BM_FirstFrame/calendar, /empty   a whole process from exec to its first painted frame
//                                    (wall time), with its peak resident memory; /text is
//                                    a window with one line edit and a Chinese label
//   BM_RedrawMonthPainted            one RedrawMonth drawn into the real canvas image
//   BM_RedrawMonthOnScreen           the same, then the canvas widget repainted from it
//
// The start-up target is 1.2 x the empty window's time, the memory target the empty
// window's + 10 MB, the redraw target 3 ms.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <string>

#include "app/redraw_month.h"
#include "app/window_definition.h"
#include "runtime/clock.h"
#include "runtime/properties.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/qt/window_host.h"
#include "runtime/runtime.h"

extern char** environ;

namespace {

// Runs a program to its end; its peak resident memory in KiB, or -1.
long RunToEnd(const std::string& path) {
  char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return usage.ru_maxrss;
}

void BM_FirstFrame(benchmark::State& state, const char* program) {
  const std::string path = std::string(WNL_PROBE_DIR) + "/" + program;
  long peak = 0;
  for (auto _ : state) {
    const long rss = RunToEnd(path);
    if (rss < 0) {
      state.SkipWithError("the probe did not run to its end");
      return;
    }
    peak = std::max(peak, rss);
  }
  state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
}
BENCHMARK_CAPTURE(BM_FirstFrame, calendar, "wnl_first_frame_calendar")
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK_CAPTURE(BM_FirstFrame, empty, "wnl_first_frame_empty")
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK_CAPTURE(BM_FirstFrame, text, "wnl_first_frame_text")
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

runtime::Backend& Backend() {
  static int argc = 1;
  static char name[] = "qt_window_bench";
  static char* argv[] = {name, nullptr};
  static runtime::Backend* backend = runtime::qt::MakeQtBackend(argc, argv).release();
  return *backend;
}

// December 2022 with today on the 15th, as the headless redraw benchmark draws it.
void RedrawBench(benchmark::State& state, bool on_screen) {
  runtime::FixClock(runtime::MakeDateValue(2022, 12, 15));
  runtime::Runtime rt(Backend());
  runtime::Window& window = rt.LoadWindow(app::kCalendarWindowDefinition);
  auto& host = runtime::qt::QtHostOf(window);
  if (!QTest::qWaitForWindowExposed(host.top_level())) state.SkipWithError("no window");
  runtime::WriteProperty(app::kCalendarWindow, app::编辑框1, runtime::kPropertyText, runtime::kWholeValue, "2022");
  runtime::WriteProperty(app::kCalendarWindow, app::编辑框2, runtime::kPropertyText, runtime::kWholeValue, "12");
  QWidget* canvas = host.CanvasOf(app::画板1);
  for (auto _ : state) {
    app::RedrawMonth();
    if (on_screen) canvas->repaint();
  }
}

void BM_RedrawMonthPainted(benchmark::State& state) { RedrawBench(state, false); }
void BM_RedrawMonthOnScreen(benchmark::State& state) { RedrawBench(state, true); }
BENCHMARK(BM_RedrawMonthPainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawMonthOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // The benchmark and the probes it starts open their windows offscreen.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
