#include "runtime/headless/headless_backend.h"

#include <cstdio>

#include "runtime/headless/gbk_to_utf8.h"

namespace runtime::headless {

void HeadlessWindowHost::CreateControl(const ControlState& control) {
  log_.push_back({Entry::Kind::kControlCreated, control.number(), {}});
  if (control.kind() == ControlKind::kCanvas) {
    surfaces_[control.number()] = std::make_unique<RecordingSurface>(
        control.definition->width, control.definition->height, dpi_);
  }
}

Surface& HeadlessWindowHost::CanvasSurface(const ControlState& canvas) {
  return *surfaces_.at(canvas.number());
}

void HeadlessWindowHost::ShowControl(const ControlState& control) {
  log_.push_back({Entry::Kind::kControlShown, control.number(), {}});
}

void HeadlessWindowHost::ShowWindow() { log_.push_back({Entry::Kind::kWindowShown, 0, {}}); }

void HeadlessWindowHost::ShowText(const ControlState& edit_box) {
  log_.push_back({Entry::Kind::kText, edit_box.number(), edit_box.text});
}

void HeadlessWindowHost::ShowCaption(const ControlState& label) {
  log_.push_back({Entry::Kind::kCaption, label.number(), label.text});
}

void HeadlessWindowHost::SelectAll(const ControlState& edit_box) {
  log_.push_back({Entry::Kind::kSelectAll, edit_box.number(), {}});
}

void HeadlessWindowHost::ScrollIntoView(const ControlState& edit_box) {
  log_.push_back({Entry::Kind::kScrolled, edit_box.number(), {}});
}

void HeadlessWindowHost::Focus(const ControlState& control) {
  log_.push_back({Entry::Kind::kFocus, control.number(), {}});
}

RecordingSurface* HeadlessWindowHost::Recording(std::int32_t canvas) {
  const auto it = surfaces_.find(canvas);
  return it == surfaces_.end() ? nullptr : it->second.get();
}

std::unique_ptr<WindowHost> HeadlessBackend::CreateWindowHost(Window&) {
  return std::make_unique<HeadlessWindowHost>(dpi_);
}

void HeadlessBackend::ShowFatalError(const Text&, const Text& text) {
  const std::string utf8 = GbkToUtf8(text) + "\n";
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fflush(stderr);
}

HeadlessWindowHost& HeadlessHostOf(Window& window) {
  return static_cast<HeadlessWindowHost&>(window.host());
}

}  // namespace runtime::headless
