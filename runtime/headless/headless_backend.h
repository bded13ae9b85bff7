// The backend without a screen, for tests and `wnl`: windows exist only as their
// portable state, canvases draw on recording surfaces, and a fatal error goes to
// standard error as UTF-8 before the program ends with status 1.
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
    enum class Kind { kControlCreated, kControlShown, kWindowShown, kText, kCaption };
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

  const std::vector<Entry>& log() const { return log_; }
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
  void ShowFatalError(const Text& title, const Text& text) override;

 private:
  std::int32_t dpi_;
};

// The headless host of a window loaded on the headless backend.
HeadlessWindowHost& HeadlessHostOf(Window& window);

}  // namespace runtime::headless
