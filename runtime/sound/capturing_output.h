// A PcmOutput without a device, for tests and benchmarks: it records what the player
// did with it, and can play in real time, fail, or hold a write until released.
//
// A Capture is shared by the test and the outputs it makes (the player's threads own
// and destroy those), so everything here may be called from any thread.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "runtime/sound/pcm_output.h"

namespace runtime::sound {

class Capture : public std::enable_shared_from_this<Capture> {
 public:
  static constexpr std::size_t kNever = std::numeric_limits<std::size_t>::max();

  struct Options {
    bool fail_open = false;
    // Write fails once this many bytes have been taken: a device that breaks mid-play.
    std::size_t fail_after_bytes = kNever;
    // From this many bytes on, buffers take their own playing time, with `queue_buffers`
    // of them queued like a real device (0: from the start). Before that it takes
    // everything at once, as ALSA's null device does.
    std::size_t realtime_after_bytes = kNever;
    std::size_t queue_buffers = 3;
    // Off for long runs: only count the bytes.
    bool keep_bytes = true;
  };

  struct Event {
    enum Kind { kOpen, kWrite, kDrain, kReset, kClose } kind;
    std::size_t bytes;  // kWrite: the buffer's size; otherwise the bytes taken so far
  };

  static std::shared_ptr<Capture> Make(Options options);
  static std::shared_ptr<Capture> Make() { return Make(Options{}); }

  std::unique_ptr<PcmOutput> MakeOutput();

  std::vector<std::uint8_t> Bytes() const;
  std::vector<Event> Events() const;
  std::size_t ByteCount() const;
  PcmFormat Format() const;   // of the last Open
  int LiveOutputs() const;    // made and not yet destroyed

  // Waits (at most `limit`) for at least `count` bytes, or for every output made so
  // far to be destroyed. True when the condition holds.
  bool WaitForBytes(std::size_t count, std::chrono::milliseconds limit) const;
  bool WaitUntilReleased(std::chrono::milliseconds limit) const;

  // While held, Write waits before taking its buffer. WaitUntilHeld waits for a Write
  // to be waiting there.
  void HoldWrites();
  void ReleaseWrites();
  bool WaitUntilHeld(std::chrono::milliseconds limit) const;

 private:
  explicit Capture(Options options) : options_(options) {}

  class Output;
  friend class Output;

  using Clock = std::chrono::steady_clock;

  const Options options_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<std::uint8_t> bytes_;
  std::vector<Event> events_;
  std::size_t count_ = 0;
  PcmFormat format_;
  int live_ = 0;
  bool held_ = false;
  bool waiting_ = false;
};

}  // namespace runtime::sound
