// The Windows backend with a recording in between: every canvas operation goes to the
// real GDI image and is also recorded as the headless surface prints it, and every
// caption the window shows is counted. The native windows stay the Win32 backend's own.
#pragma once

#include <memory>
#include <vector>

#include "runtime/headless/recording_surface.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/win32_window_host.h"

namespace runtime::win32 {

class TeeSurface final : public Surface {
 public:
  TeeSurface(Surface& real, std::int32_t width, std::int32_t height)
      : real_(real), recording_(width, height, real.VerticalDpi()) {}

  void Fill(Colour colour) override {
    real_.Fill(colour);
    recording_.Fill(colour);
  }
  void DrawText(std::int32_t x, std::int32_t y, const Text& text, const Font& font, Colour colour,
                Colour background) override {
    real_.DrawText(x, y, text, font, colour, background);
    recording_.DrawText(x, y, text, font, colour, background);
  }
  // The layout sees GDI's own measures.
  TextExtent MeasureText(const Text& text, const Font& font) override { return real_.MeasureText(text, font); }
  std::int32_t VerticalDpi() const override { return real_.VerticalDpi(); }

  headless::RecordingSurface& recording() { return recording_; }

 private:
  Surface& real_;
  headless::RecordingSurface recording_;
};

class TeeHost final : public WindowHost {
 public:
  explicit TeeHost(std::unique_ptr<WindowHost> real) : real_(std::move(real)) {}

  void CreateControl(const ControlState& control) override { real_->CreateControl(control); }
  Surface& CanvasSurface(const ControlState& canvas) override {
    surfaces_.push_back(std::make_unique<TeeSurface>(real_->CanvasSurface(canvas), canvas.definition->width,
                                                     canvas.definition->height));
    return *surfaces_.back();
  }
  void ShowControl(const ControlState& control) override { real_->ShowControl(control); }
  void ShowWindow() override { real_->ShowWindow(); }
  void ShowText(const ControlState& edit_box) override { real_->ShowText(edit_box); }
  void ShowCaption(const ControlState& label) override {
    captions.push_back(label.number());
    real_->ShowCaption(label);
  }
  void SelectAll(const ControlState& edit_box) override { real_->SelectAll(edit_box); }
  void ScrollIntoView(const ControlState& edit_box) override { real_->ScrollIntoView(edit_box); }
  void Focus(const ControlState& control) override { real_->Focus(control); }

  Win32WindowHost& native() { return static_cast<Win32WindowHost&>(*real_); }
  TeeSurface& canvas() { return *surfaces_.front(); }

  std::vector<std::int32_t> captions;  // the label of each caption shown, in order

 private:
  std::unique_ptr<WindowHost> real_;
  std::vector<std::unique_ptr<TeeSurface>> surfaces_;
};

class RecordingWin32Backend final : public Backend {
 public:
  std::unique_ptr<WindowHost> CreateWindowHost(Window& window) override {
    std::unique_ptr<WindowHost> real = real_.CreateWindowHost(window);
    if (real == nullptr) return nullptr;
    return std::make_unique<TeeHost>(std::move(real));
  }
  void RunEventLoop() override { real_.RunEventLoop(); }
  void QuitEventLoop() override { real_.QuitEventLoop(); }
  void ShowFatalError(const Text& title, const Text& text) override { real_.ShowFatalError(title, text); }

 private:
  Win32Backend real_;
};

inline TeeHost& TeeHostOf(Window& window) { return static_cast<TeeHost&>(window.host()); }

}  // namespace runtime::win32
