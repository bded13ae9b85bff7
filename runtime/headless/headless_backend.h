// The backend without a screen, for tests and `wnl`: windows exist only as their
// portable state, canvases draw on recording surfaces, the event loop has nothing to
// deliver, and a fatal error goes to standard error as UTF-8 before the program ends
// with status 1.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "runtime/backend.h"
#include "runtime/headless/recording_surface.h"
#include "runtime/window.h"

namespace runtime::headless {

// Keeps what the runtime asked of the native window, in order, so that tests can see
// when a redraw wrote its caption relative to the window being shown.
class HeadlessWindowHost final : public WindowHost {
 public:
  struct Entry {
    enum class Kind {
      kControlCreated, kControlShown, kWindowShown, kText, kCaption, kSelectAll, kScrolled, kFocus
    };
    Kind kind;
    std::int32_t control;  // 0 for the window
    Text text;             // GBK: the text or caption shown

    bool operator==(const Entry&) const = default;
  };

  explicit HeadlessWindowHost(std::int32_t vertical_dpi) : dpi_(vertical_dpi) {}

  void CreateControl(const ControlState& control) override;
  Surface& CanvasSurface(const ControlState& canvas) override;
  void ShowControl(const ControlState& control) override;
  void ShowWindow() override;
  void ShowText(const ControlState& edit_box) override;
  void ShowCaption(const ControlState& label) override;
  void SelectAll(const ControlState& edit_box) override;
  void ScrollIntoView(const ControlState& edit_box) override;
  void Focus(const ControlState& control) override;

  const std::vector<Entry>& log() const { return log_; }
  void ClearLog() { log_.clear(); }
  // The recording of a canvas control, or nullptr.
  RecordingSurface* Recording(std::int32_t canvas);

 private:
  std::int32_t dpi_;
  std::vector<Entry> log_;
  std::map<std::int32_t, std::unique_ptr<RecordingSurface>> surfaces_;
};

class HeadlessBackend final : public Backend {
 public:
  explicit HeadlessBackend(std::int32_t vertical_dpi = 96) : dpi_(vertical_dpi) {}

  std::unique_ptr<WindowHost> CreateWindowHost(Window& window) override;
  // Nothing can arrive without a screen: the loop returns at once.
  void RunEventLoop() override {}
  void QuitEventLoop() override { ++quit_requests_; }
  void ShowFatalError(const Text& title, const Text& text) override;

  // How often the runtime asked the loop to end (once the last window was gone).
  int quit_requests() const { return quit_requests_; }

 private:
  std::int32_t dpi_;
  int quit_requests_ = 0;
};

// The headless host of a window loaded on the headless backend.
HeadlessWindowHost& HeadlessHostOf(Window& window);

}  // namespace runtime::headless
