// A sound device that plays in real time and notes when it runs dry: the load test
// listens to the background sound through it.
//
// It keeps three buffers queued like a device would (Write returns once no more than
// three are left to play) and drains in real time. A write that comes after everything
// queued has played finds the device dry; how long it was dry is a gap, counted apart
// for the first write of a pass (after a drain, where the sound may pause for a moment)
// and for every other write (where it must not).
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <thread>

#include "runtime/sound/pcm_output.h"

namespace robust_test {

struct Listening {
  std::mutex mutex;
  int outputs = 0;  // made and not yet destroyed
  int passes = 0;   // drains
  std::uint64_t bytes = 0;
  double longest_gap_between_passes = 0;  // seconds
  double longest_gap_within_a_pass = 0;
};

class PacedOutput final : public runtime::sound::PcmOutput {
 public:
  explicit PacedOutput(std::shared_ptr<Listening> listening) : listening_(std::move(listening)) {
    std::lock_guard lock(listening_->mutex);
    ++listening_->outputs;
  }
  ~PacedOutput() override {
    std::lock_guard lock(listening_->mutex);
    --listening_->outputs;
  }

  bool Open(const runtime::sound::PcmFormat& format) override {
    bytes_per_second_ = double(format.sample_rate) * format.block_align;
    free_at_ = Clock::now();
    after_drain_ = true;  // the first write starts the first pass
    return bytes_per_second_ > 0;
  }

  bool Write(std::span<const std::uint8_t> buffer) override {
    const Clock::time_point now = Clock::now();
    const double dry = std::chrono::duration<double>(now - free_at_).count();
    {
      std::lock_guard lock(listening_->mutex);
      double& longest = after_drain_ ? listening_->longest_gap_between_passes
                                     : listening_->longest_gap_within_a_pass;
      longest = std::max(longest, dry);
      listening_->bytes += buffer.size();
    }
    after_drain_ = false;
    const Clock::duration playing = PlayingTime(buffer.size());
    free_at_ = std::max(free_at_, now) + playing;
    std::this_thread::sleep_until(free_at_ - 3 * playing);
    return true;
  }

  bool Drain() override {
    std::this_thread::sleep_until(free_at_);
    after_drain_ = true;
    std::lock_guard lock(listening_->mutex);
    ++listening_->passes;
    return true;
  }

  void Reset() override { free_at_ = Clock::now(); }
  void Close() override {}

 private:
  using Clock = std::chrono::steady_clock;

  Clock::duration PlayingTime(std::size_t bytes) const {
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(bytes / bytes_per_second_));
  }

  std::shared_ptr<Listening> listening_;
  double bytes_per_second_ = 0;
  Clock::time_point free_at_{};
  bool after_drain_ = true;
};

}  // namespace robust_test
