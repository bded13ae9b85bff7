// The background sound player.
//
// Each playing sound has a thread of its own that streams its own copy of the track to
// a PcmOutput in small buffers (a twentieth of a second each), so starting and stopping
// never holds up the caller. With loop, at the end of the samples it waits until
// everything queued has played and starts again from the first sample.
//
// Stop does not wait: the sound's thread notices within a buffer or so, resets the
// output and releases it and the track by itself. StopAll, for the end of the program,
// stops every sound still playing and joins each thread. A sound whose output cannot be
// opened, or fails while playing, ends by itself, silently.
//
// One lock guards the list of playing sounds: the caller's thread changes it when a
// sound starts or is told to stop, a sound's thread when the sound ends. The program
// has one SoundPlayer; tests make their own.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "runtime/sound/pcm_output.h"
#include "runtime/sound/wave_track.h"

namespace runtime::sound {

using SoundId = std::uint64_t;  // 0: no sound

// Buffers per second of playing time.
inline constexpr std::uint32_t kBuffersPerSecond = 20;

class SoundPlayer {
 public:
  // Called on each sound's own thread to make its output.
  using OutputFactory = std::function<std::unique_ptr<PcmOutput>()>;

  explicit SoundPlayer(OutputFactory make_output);
  ~SoundPlayer();  // StopAll
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Starts playing the RIFF WAVE file `wave` (copied; see ParseWave). 0 when the track
  // is not accepted or no thread could be started: then nothing plays.
  SoundId Play(std::span<const std::uint8_t> wave, bool loop);

  // As Play, for a track whose bytes stay valid as long as the player (a track stored
  // in the program): the sound's own thread makes the copy, so the caller does not wait
  // for it at start-up.
  SoundId PlayStored(std::span<const std::uint8_t> wave, bool loop);

  // Tells the sound to stop and returns at once. Unknown or ended sounds are ignored.
  void Stop(SoundId id);

  // Stops every sound still playing and waits until each thread has ended.
  void StopAll();

  // Sounds whose thread has not ended yet, told to stop or not.
  std::size_t Running() const;

 private:
  struct Sound;

  SoundId Start(const WaveTrack& track, bool loop, bool copy_here);
  void Run(Sound& sound, std::vector<std::uint8_t> samples, std::span<const std::uint8_t> stored,
           PcmFormat format, bool loop);
  void Ended(Sound& sound);
  std::vector<std::unique_ptr<Sound>> TakeEnded() noexcept;  // with mutex_ held

  const OutputFactory make_output_;
  mutable std::mutex mutex_;
  std::condition_variable ended_;
  // The list of playing sounds, with those that ended but whose thread is not joined yet.
  std::vector<std::unique_ptr<Sound>> sounds_;
  SoundId last_id_ = 0;
};

}  // namespace runtime::sound
