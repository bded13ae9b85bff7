// One whole run of wnl per iteration, from spawning the process to its exit, with its
// standard output and error going to /dev/null. Wall-clock time, as a user waits for it.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

void RunProgram(benchmark::State& state, const char* program, std::vector<std::string> arguments) {
  std::vector<char*> argv{const_cast<char*>(program)};
  for (std::string& a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("cannot start wnl");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("wnl failed");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

void RunWnl(benchmark::State& state, std::vector<std::string> arguments) {
  RunProgram(state, WNL_BINARY, std::move(arguments));
}

// 54,008 lines: every day from 1901-02-19 to 2048-12-31.
void BM_LunarTsvWholeSpan(benchmark::State& state) {
  RunWnl(state, {"lunar", "--tsv", "1901-02-19", "2048-12-31"});
}
BENCHMARK(BM_LunarTsvWholeSpan)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window's start-up (three redraws) and the redraws of the two box writes.
void BM_MonthJson(benchmark::State& state) {
  RunWnl(state, {"month", "--json", "2022", "12", "--today", "2022-12-15"});
}
BENCHMARK(BM_MonthJson)->Unit(benchmark::kMillisecond)->UseRealTime();

// The process alone, for comparison.
void BM_Version(benchmark::State& state) { RunWnl(state, {"--version"}); }
BENCHMARK(BM_Version)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef WNL_RENDER_BINARY
// The same month in wnl-render, which links Qt: what wnl would cost if it linked Qt
// itself (loading Qt, though nothing of it starts).
void BM_MonthJsonWithQtLinked(benchmark::State& state) {
  RunProgram(state, WNL_RENDER_BINARY, {"month", "--json", "2022", "12", "--today", "2022-12-15"});
}
BENCHMARK(BM_MonthJsonWithQtLinked)->Unit(benchmark::kMillisecond)->UseRealTime();

// A picture of the window: wnl hands over to wnl-render, which builds the window offscreen.
void BM_RenderWindow(benchmark::State& state) {
  RunWnl(state, {"render", "2022", "12", "--today", "2022-12-15", "-o", "/dev/null"});
}
BENCHMARK(BM_RenderWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

}  // namespace
