#include "runtime/sound/capturing_output.h"

#include <algorithm>

namespace runtime::sound {

class Capture::Output final : public PcmOutput {
 public:
  explicit Output(std::shared_ptr<Capture> capture) : capture_(std::move(capture)) {
    std::lock_guard lock(capture_->mutex_);
    ++capture_->live_;
  }

  ~Output() override {
    std::lock_guard lock(capture_->mutex_);
    --capture_->live_;
    capture_->changed_.notify_all();
  }

  bool Open(const PcmFormat& format) override {
    std::lock_guard lock(capture_->mutex_);
    capture_->events_.push_back({Event::kOpen, capture_->count_});
    capture_->format_ = format;
    capture_->changed_.notify_all();
    if (capture_->options_.fail_open || format.block_align == 0 || format.sample_rate == 0) {
      return false;
    }
    bytes_per_second_ = double(format.sample_rate) * format.block_align;
    free_at_ = Clock::now();
    return true;
  }

  bool Write(std::span<const std::uint8_t> buffer) override {
    bool realtime;
    {
      std::unique_lock lock(capture_->mutex_);
      if (capture_->held_) {
        capture_->waiting_ = true;
        capture_->changed_.notify_all();
        capture_->changed_.wait(lock, [&] { return !capture_->held_; });
        capture_->waiting_ = false;
      }
      const Options& options = capture_->options_;
      if (capture_->count_ >= options.fail_after_bytes) return false;
      capture_->events_.push_back({Event::kWrite, buffer.size()});
      if (options.keep_bytes) {
        capture_->bytes_.insert(capture_->bytes_.end(), buffer.begin(), buffer.end());
      }
      realtime = capture_->count_ >= options.realtime_after_bytes;
      capture_->count_ += buffer.size();
      capture_->changed_.notify_all();
    }
    if (realtime) {
      // The device plays queued buffers back to back; Write returns once no more than
      // `queue_buffers` of this size are left to play.
      const Clock::time_point now = Clock::now();
      free_at_ = std::max(free_at_, now) + PlayingTime(buffer.size());
      std::this_thread::sleep_until(free_at_ - PlayingTime(buffer.size()) *
                                                   capture_->options_.queue_buffers);
    }
    return true;
  }

  bool Drain() override {
    Record(Event::kDrain);
    std::this_thread::sleep_until(free_at_);
    return true;
  }

  void Reset() override {
    Record(Event::kReset);
    free_at_ = Clock::now();
  }

  void Close() override { Record(Event::kClose); }

 private:
  Clock::duration PlayingTime(std::size_t bytes) const {
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(double(bytes) / bytes_per_second_));
  }

  void Record(Event::Kind kind) {
    std::lock_guard lock(capture_->mutex_);
    capture_->events_.push_back({kind, capture_->count_});
    capture_->changed_.notify_all();
  }

  const std::shared_ptr<Capture> capture_;
  double bytes_per_second_ = 1;
  Clock::time_point free_at_{};
};

std::shared_ptr<Capture> Capture::Make(Options options) {
  return std::shared_ptr<Capture>(new Capture(options));
}

std::unique_ptr<PcmOutput> Capture::MakeOutput() {
  return std::make_unique<Output>(shared_from_this());
}

std::vector<std::uint8_t> Capture::Bytes() const {
  std::lock_guard lock(mutex_);
  return bytes_;
}

std::vector<Capture::Event> Capture::Events() const {
  std::lock_guard lock(mutex_);
  return events_;
}

std::size_t Capture::ByteCount() const {
  std::lock_guard lock(mutex_);
  return count_;
}

PcmFormat Capture::Format() const {
  std::lock_guard lock(mutex_);
  return format_;
}

int Capture::LiveOutputs() const {
  std::lock_guard lock(mutex_);
  return live_;
}

bool Capture::WaitForBytes(std::size_t count, std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, limit, [&] { return count_ >= count; });
}

bool Capture::WaitUntilReleased(std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, limit, [&] { return live_ == 0; });
}

void Capture::HoldWrites() {
  std::lock_guard lock(mutex_);
  held_ = true;
}

void Capture::ReleaseWrites() {
  std::lock_guard lock(mutex_);
  held_ = false;
  changed_.notify_all();
}

bool Capture::WaitUntilHeld(std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, limit, [&] { return waiting_; });
}

}  // namespace runtime::sound
