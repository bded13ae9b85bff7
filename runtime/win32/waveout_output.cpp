#include "runtime/win32/waveout_output.h"

#include "runtime/win32/start_gate.h"
#include "runtime/win32/windows_api.h"

#include <array>

namespace runtime::win32 {
namespace {

// Buffers queued at once: at a twentieth of a second each, about 150 ms of sound.
constexpr std::size_t kQueued = 3;

// A device that has not finished a buffer in this long has stopped for good.
constexpr DWORD kStalledMilliseconds = 5000;

// The longest a sound waits for an opening window to show.
constexpr DWORD kStartDelayMilliseconds = 1000;

// waveOut's functions, from winmm.dll loaded by the first sound's own thread: the
// library and the sound system it starts stay off the window's way at start-up.
struct WaveOutApi {
  decltype(&::waveOutGetNumDevs) GetNumDevs = nullptr;
  decltype(&::waveOutOpen) Open = nullptr;
  decltype(&::waveOutPrepareHeader) PrepareHeader = nullptr;
  decltype(&::waveOutWrite) Write = nullptr;
  decltype(&::waveOutUnprepareHeader) UnprepareHeader = nullptr;
  decltype(&::waveOutReset) Reset = nullptr;
  decltype(&::waveOutClose) Close = nullptr;

  bool ok() const {
    return GetNumDevs && Open && PrepareHeader && Write && UnprepareHeader && Reset && Close;
  }
};

template <typename Function>
void Bind(HMODULE library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Null when the system has no winmm: no device.
const WaveOutApi* Api() {
  static const WaveOutApi api = [] {
    WaveOutApi a;
    if (HMODULE winmm = LoadLibraryW(L"winmm.dll")) {
      Bind(winmm, "waveOutGetNumDevs", a.GetNumDevs);
      Bind(winmm, "waveOutOpen", a.Open);
      Bind(winmm, "waveOutPrepareHeader", a.PrepareHeader);
      Bind(winmm, "waveOutWrite", a.Write);
      Bind(winmm, "waveOutUnprepareHeader", a.UnprepareHeader);
      Bind(winmm, "waveOutReset", a.Reset);
      Bind(winmm, "waveOutClose", a.Close);
    }
    return a;
  }();
  return api.ok() ? &api : nullptr;
}

class WaveOutOutput final : public sound::PcmOutput {
 public:
  WaveOutOutput() = default;
  ~WaveOutOutput() override { Close(); }
  WaveOutOutput(const WaveOutOutput&) = delete;
  WaveOutOutput& operator=(const WaveOutOutput&) = delete;

  bool Open(const sound::PcmFormat& format) override;
  bool Write(std::span<const std::uint8_t> buffer) override;
  bool Drain() override;
  void Reset() override;
  void Close() override;

 private:
  bool InUse(const WAVEHDR& header) const {
    return (header.dwFlags & WHDR_PREPARED) != 0 && (header.dwFlags & WHDR_DONE) == 0;
  }
  // Waits until `done` holds; false when the device stalls.
  template <typename Done>
  bool WaitUntil(Done done);
  void Unprepare(WAVEHDR& header);

  const WaveOutApi* api_ = nullptr;
  HWAVEOUT device_ = nullptr;
  HANDLE done_event_ = nullptr;
  std::array<WAVEHDR, kQueued> headers_{};
};

bool WaveOutOutput::Open(const sound::PcmFormat& format) {
  Close();
  WaitUntilWindowsShown(kStartDelayMilliseconds);
  api_ = Api();
  if (api_ == nullptr || api_->GetNumDevs() == 0 || format.block_align == 0) return false;
  WAVEFORMATEX wave{};
  wave.wFormatTag = WAVE_FORMAT_PCM;
  wave.nChannels = format.channels;
  wave.nSamplesPerSec = format.sample_rate;
  wave.wBitsPerSample = format.bits_per_sample;
  wave.nBlockAlign = format.block_align;
  wave.nAvgBytesPerSec = format.sample_rate * format.block_align;
  done_event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (done_event_ == nullptr) return false;
  if (api_->Open(&device_, WAVE_MAPPER, &wave, reinterpret_cast<DWORD_PTR>(done_event_), 0,
                  CALLBACK_EVENT) != MMSYSERR_NOERROR) {
    device_ = nullptr;
    Close();
    return false;
  }
  return true;
}

template <typename Done>
bool WaveOutOutput::WaitUntil(Done done) {
  // The event is signalled after each header is marked done, so a done that lands
  // between the test and the wait is not missed.
  while (!done()) {
    if (WaitForSingleObject(done_event_, kStalledMilliseconds) != WAIT_OBJECT_0 && !done()) {
      return false;
    }
  }
  return true;
}

bool WaveOutOutput::Write(std::span<const std::uint8_t> buffer) {
  if (device_ == nullptr) return false;
  WAVEHDR* free = nullptr;
  if (!WaitUntil([&] {
        for (WAVEHDR& header : headers_) {
          if (!InUse(header)) {
            free = &header;
            return true;
          }
        }
        return false;
      })) {
    return false;
  }
  Unprepare(*free);
  free->lpData = reinterpret_cast<LPSTR>(const_cast<std::uint8_t*>(buffer.data()));
  free->dwBufferLength = static_cast<DWORD>(buffer.size());
  free->dwFlags = 0;
  if (api_->PrepareHeader(device_, free, sizeof *free) != MMSYSERR_NOERROR) return false;
  if (api_->Write(device_, free, sizeof *free) != MMSYSERR_NOERROR) {
    Unprepare(*free);
    return false;
  }
  return true;
}

bool WaveOutOutput::Drain() {
  if (device_ == nullptr) return false;
  return WaitUntil([&] {
    for (const WAVEHDR& header : headers_) {
      if (InUse(header)) return false;
    }
    return true;
  });
}

void WaveOutOutput::Reset() {
  if (device_ == nullptr) return;
  // Marks every queued header done at once.
  api_->Reset(device_);
  for (WAVEHDR& header : headers_) Unprepare(header);
}

void WaveOutOutput::Close() {
  if (device_ != nullptr) {
    Reset();
    api_->Close(device_);
    device_ = nullptr;
  }
  if (done_event_ != nullptr) {
    CloseHandle(done_event_);
    done_event_ = nullptr;
  }
}

void WaveOutOutput::Unprepare(WAVEHDR& header) {
  if ((header.dwFlags & WHDR_PREPARED) != 0) api_->UnprepareHeader(device_, &header, sizeof header);
  header = WAVEHDR{};
}

}  // namespace

std::unique_ptr<sound::PcmOutput> MakeWaveOutOutput() { return std::make_unique<WaveOutOutput>(); }

}  // namespace runtime::win32
