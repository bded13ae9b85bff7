#include "runtime/alsa/alsa_output.h"

#include <alsa/asoundlib.h>

#include <mutex>

namespace runtime::alsa {
namespace {

constexpr unsigned kLatencyMicroseconds = 100000;

void IgnoreError(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsa() {
  static std::once_flag once;
  std::call_once(once, [] { snd_lib_error_set_handler(&IgnoreError); });
}

bool PcmFormatOf(const sound::PcmFormat& format, snd_pcm_format_t* out) {
  switch (format.bits_per_sample) {
    case 8: *out = SND_PCM_FORMAT_U8; return true;
    case 16: *out = SND_PCM_FORMAT_S16_LE; return true;
    case 24: *out = SND_PCM_FORMAT_S24_3LE; return true;
    case 32: *out = SND_PCM_FORMAT_S32_LE; return true;
    default: return false;
  }
}

class AlsaOutput final : public sound::PcmOutput {
 public:
  AlsaOutput() = default;
  ~AlsaOutput() override { Close(); }
  AlsaOutput(const AlsaOutput&) = delete;
  AlsaOutput& operator=(const AlsaOutput&) = delete;

  bool Open(const sound::PcmFormat& format) override;
  bool Write(std::span<const std::uint8_t> buffer) override;
  bool Drain() override;
  void Reset() override;
  void Close() override;

 private:
  snd_pcm_t* pcm_ = nullptr;
  std::size_t frame_bytes_ = 0;
};

bool AlsaOutput::Open(const sound::PcmFormat& format) {
  Close();
  SilenceAlsa();
  snd_pcm_format_t pcm_format;
  if (!PcmFormatOf(format, &pcm_format) || format.block_align == 0) return false;
  if (snd_pcm_open(&pcm_, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
    pcm_ = nullptr;
    return false;
  }
  if (snd_pcm_set_params(pcm_, pcm_format, SND_PCM_ACCESS_RW_INTERLEAVED, format.channels,
                         format.sample_rate, 1, kLatencyMicroseconds) < 0) {
    Close();
    return false;
  }
  frame_bytes_ = format.block_align;
  return true;
}

bool AlsaOutput::Write(std::span<const std::uint8_t> buffer) {
  if (!pcm_) return false;
  const std::uint8_t* data = buffer.data();
  snd_pcm_uframes_t frames = buffer.size() / frame_bytes_;
  while (frames > 0) {
    // Blocks while ALSA's queue is full, that is until an earlier buffer has played.
    const snd_pcm_sframes_t written = snd_pcm_writei(pcm_, data, frames);
    if (written < 0) {
      // An underrun (the queue ran dry) or a suspend is recovered; anything else is a
      // device that failed.
      if (snd_pcm_recover(pcm_, static_cast<int>(written), 1) < 0) return false;
      continue;
    }
    data += static_cast<std::size_t>(written) * frame_bytes_;
    frames -= static_cast<snd_pcm_uframes_t>(written);
  }
  return true;
}

bool AlsaOutput::Drain() {
  if (!pcm_) return false;
  const int drained = snd_pcm_drain(pcm_);
  if (drained < 0 && snd_pcm_recover(pcm_, drained, 1) < 0) return false;
  // A drained PCM stops; it has to be prepared before it takes samples again.
  return snd_pcm_prepare(pcm_) >= 0;
}

void AlsaOutput::Reset() {
  if (!pcm_) return;
  snd_pcm_drop(pcm_);
  snd_pcm_prepare(pcm_);
}

void AlsaOutput::Close() {
  if (!pcm_) return;
  snd_pcm_close(pcm_);
  pcm_ = nullptr;
}

}  // namespace

std::unique_ptr<sound::PcmOutput> MakeAlsaOutput() { return std::make_unique<AlsaOutput>(); }

}  // namespace runtime::alsa
