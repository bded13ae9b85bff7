#include "runtime/sound/sound_player.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "runtime/sound/wave_track.h"

namespace runtime::sound {

struct SoundPlayer::Sound {
  SoundId id = 0;
  std::atomic<bool> stop{false};
  bool ended = false;  // guarded by the player's mutex_
  std::thread thread;

  // Only ended sounds are destroyed, so this join returns at once.
  ~Sound() {
    if (thread.joinable()) thread.join();
  }
};

namespace {

// Streams the samples until told to stop, the end of a single pass, or a failure of
// the device. Returns true when told to stop.
bool Stream(PcmOutput& output, std::span<const std::uint8_t> samples, const PcmFormat& format,
            bool loop, const std::atomic<bool>& stop) {
  const std::size_t frames = std::max<std::uint32_t>(1, format.sample_rate / kBuffersPerSecond);
  const std::size_t buffer = frames * format.block_align;
  std::size_t at = 0;
  while (!stop.load(std::memory_order_acquire)) {
    const std::size_t count = std::min(buffer, samples.size() - at);
    if (!output.Write(samples.subspan(at, count))) return false;
    at += count;
    if (at == samples.size()) {
      // The next pass starts only after this one has been heard to the end.
      if (!output.Drain() || !loop) return false;
      at = 0;
    }
  }
  return true;
}

}  // namespace

SoundPlayer::SoundPlayer(OutputFactory make_output) : make_output_(std::move(make_output)) {}

SoundPlayer::~SoundPlayer() { StopAll(); }

SoundId SoundPlayer::Play(std::span<const std::uint8_t> wave, bool loop) {
  const std::optional<WaveTrack> track = ParseWave(wave);
  return track ? Start(*track, loop, true) : 0;
}

SoundId SoundPlayer::PlayStored(std::span<const std::uint8_t> wave, bool loop) {
  const std::optional<WaveTrack> track = ParseWave(wave);
  return track ? Start(*track, loop, false) : 0;
}

SoundId SoundPlayer::Start(const WaveTrack& track, bool loop, bool copy_here) {
  try {
    std::vector<std::uint8_t> samples;
    if (copy_here) samples.assign(track.samples.begin(), track.samples.end());
    const std::span<const std::uint8_t> stored = copy_here ? std::span<const std::uint8_t>() : track.samples;
    auto sound = std::make_unique<Sound>();
    std::vector<std::unique_ptr<Sound>> ended;  // joined on the way out
    std::lock_guard lock(mutex_);
    ended = TakeEnded();
    sounds_.reserve(sounds_.size() + 1);  // so the list takes the sound once it runs
    sound->id = ++last_id_;
    sound->thread = std::thread(&SoundPlayer::Run, this, std::ref(*sound), std::move(samples), stored,
                                track.format, loop);
    sounds_.push_back(std::move(sound));
    return last_id_;
  } catch (...) {
    // No memory for the copy or no thread to play it on: the sound stays silent.
    return 0;
  }
}

void SoundPlayer::Stop(SoundId id) {
  std::vector<std::unique_ptr<Sound>> ended;  // joined on the way out, after the unlock
  std::lock_guard lock(mutex_);
  for (const auto& sound : sounds_) {
    if (sound->id == id) sound->stop.store(true, std::memory_order_release);
  }
  ended = TakeEnded();
}

void SoundPlayer::StopAll() {
  std::vector<std::unique_ptr<Sound>> all;
  {
    std::unique_lock lock(mutex_);
    for (const auto& sound : sounds_) sound->stop.store(true, std::memory_order_release);
    ended_.wait(lock, [&] {
      return std::all_of(sounds_.begin(), sounds_.end(), [](const auto& s) { return s->ended; });
    });
    all.swap(sounds_);
  }
}

std::size_t SoundPlayer::Running() const {
  std::lock_guard lock(mutex_);
  return static_cast<std::size_t>(
      std::count_if(sounds_.begin(), sounds_.end(), [](const auto& s) { return !s->ended; }));
}

void SoundPlayer::Run(Sound& sound, std::vector<std::uint8_t> samples,
                      std::span<const std::uint8_t> stored, PcmFormat format, bool loop) {
  try {
    std::unique_ptr<PcmOutput> output = make_output_ ? make_output_() : nullptr;
    if (output && output->Open(format)) {
      // Only a sound that can be heard needs its copy.
      if (!stored.empty()) samples.assign(stored.begin(), stored.end());
      if (Stream(*output, samples, format, loop, sound.stop)) output->Reset();
      output->Close();
    }
  } catch (...) {
    // A failing device is a silent one.
  }
  std::vector<std::uint8_t>().swap(samples);
  Ended(sound);
}

void SoundPlayer::Ended(Sound& sound) {
  std::lock_guard lock(mutex_);
  sound.ended = true;
  ended_.notify_all();
}

std::vector<std::unique_ptr<SoundPlayer::Sound>> SoundPlayer::TakeEnded() noexcept {
  std::vector<std::unique_ptr<Sound>> ended;
  try {
    ended.reserve(static_cast<std::size_t>(
        std::count_if(sounds_.begin(), sounds_.end(), [](const auto& s) { return s->ended; })));
  } catch (...) {
    return ended;  // they are joined another time
  }
  for (auto it = sounds_.begin(); it != sounds_.end();) {
    if ((*it)->ended) {
      ended.push_back(std::move(*it));
      it = sounds_.erase(it);
    } else {
      ++it;
    }
  }
  return ended;
}

}  // namespace runtime::sound
