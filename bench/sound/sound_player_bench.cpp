// What the background sound costs while it plays.
//
// LoopingSoundCpu: the player loops a 2-second track through a capture that plays in
// real time, like a device, for 8 seconds (four passes, so the drain and restart between
// passes are in it); the main thread sleeps meanwhile, so the process's CPU time is the
// player thread's. Reported as cpu_percent_of_core.
//
// PlayAndStop: what starting and stopping the stored 30-second melody costs the
// caller's thread (the copy of the track and the start of its thread).
#include <benchmark/benchmark.h>

#include <ctime>
#include <thread>

#include "embedded/wnl_sound_track.h"
#include "runtime/sound/capturing_output.h"
#include "runtime/sound/sound_player.h"

namespace {

using runtime::sound::Capture;
using runtime::sound::SoundPlayer;

double Seconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return t.tv_sec + t.tv_nsec * 1e-9;
}

std::vector<std::uint8_t> Track(std::size_t samples) {
  std::vector<std::uint8_t> file;
  auto put = [&](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  file.insert(file.end(), {'R', 'I', 'F', 'F'});
  put(static_cast<std::uint32_t>(36 + 2 * samples), 4);
  file.insert(file.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put(16, 4);
  put(1, 2);
  put(1, 2);
  put(22050, 4);
  put(44100, 4);
  put(2, 2);
  put(16, 2);
  file.insert(file.end(), {'d', 'a', 't', 'a'});
  put(static_cast<std::uint32_t>(2 * samples), 4);
  for (std::size_t i = 0; i < samples; ++i) put(static_cast<std::uint16_t>(i * 37), 2);
  return file;
}

void LoopingSoundCpu(benchmark::State& state) {
  const auto track = Track(2 * 22050);
  for (auto _ : state) {
    Capture::Options options;
    options.realtime_after_bytes = 0;
    options.keep_bytes = false;
    const auto capture = Capture::Make(options);
    SoundPlayer player([capture] { return capture->MakeOutput(); });

    const double cpu0 = Seconds(CLOCK_PROCESS_CPUTIME_ID), wall0 = Seconds(CLOCK_MONOTONIC);
    player.Play(track, /*loop=*/true);
    std::this_thread::sleep_for(std::chrono::seconds(8));
    player.StopAll();
    const double cpu = Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
    const double wall = Seconds(CLOCK_MONOTONIC) - wall0;

    state.SetIterationTime(wall);
    state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
    state.counters["played_seconds"] = capture->ByteCount() / 44100.0;
  }
}
BENCHMARK(LoopingSoundCpu)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void PlayAndStop(benchmark::State& state) {
  const std::span melody(wnl_sound_track, wnl_sound_track_size);
  Capture::Options options;
  options.realtime_after_bytes = 0;
  options.keep_bytes = false;
  const auto capture = Capture::Make(options);
  SoundPlayer player([capture] { return capture->MakeOutput(); });
  for (auto _ : state) {
    const auto id = player.Play(melody, /*loop=*/true);
    player.Stop(id);
  }
}
BENCHMARK(PlayAndStop)->Unit(benchmark::kMicrosecond);

}  // namespace
