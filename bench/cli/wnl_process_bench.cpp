// One whole run of wnl per iteration, from spawning the process to its exit, with its
// standard output going to /dev/null. Wall-clock time, as a user waits for it.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

void RunWnl(benchmark::State& state, std::vector<std::string> arguments) {
  std::vector<char*> argv{const_cast<char*>(WNL_BINARY)};
  for (std::string& a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, WNL_BINARY, &actions, nullptr, argv.data(), environ) != 0) {
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

}  // namespace
