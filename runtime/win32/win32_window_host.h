// The native face of one window on Windows.
//
// The window is a top-level window of its own class with a fixed frame; shape boxes are
// child windows that hold their controls, labels and canvases are painted here, edit
// boxes are EDIT controls and their arrow pairs UPDOWN controls (whose own arithmetic is
// never used: a click is reported to the window runtime and the control's position never
// moves). What the user does reaches the runtime as the Window's User* reports; while
// the runtime is calling the host, the notifications that its calls cause are not
// reported back.
//
// Its layout is the definition's, in logical pixels, scaled to the screen's dots per
// inch as the window is made: at 200 % every position, size and font height is doubled
// and the canvas's image has twice its logical size each way.
#pragma once

#include "runtime/win32/windows_api.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/backend.h"
#include "runtime/window.h"
#include "runtime/win32/dpi_scale.h"
#include "runtime/win32/gdi_fonts.h"
#include "runtime/win32/gdi_surface.h"
#include "runtime/win32/panels.h"

namespace runtime::win32 {

class Win32WindowHost final : public WindowHost {
 public:
  // The native window, hidden, centred on the primary screen (or at the stored
  // position), of exactly the definition's outer size at the screen's scale, with its
  // icons. Null when Windows cannot make it.
  static std::unique_ptr<Win32WindowHost> Create(Window& window, HINSTANCE instance);
  ~Win32WindowHost() override;
  Win32WindowHost(const Win32WindowHost&) = delete;
  Win32WindowHost& operator=(const Win32WindowHost&) = delete;

  void CreateControl(const ControlState& control) override;
  Surface& CanvasSurface(const ControlState& canvas) override;
  void ShowControl(const ControlState& control) override;
  void ShowWindow() override;
  void ShowText(const ControlState& edit_box) override;
  void ShowCaption(const ControlState& label) override;
  void SelectAll(const ControlState& edit_box) override;
  void ScrollIntoView(const ControlState& edit_box) override;
  void Focus(const ControlState& control) override;

  // The window procedure of the top-level class.
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  // The host of a top-level window made here, or null.
  static Win32WindowHost* FromHandle(HWND window);

  // A key the window runtime decides about, pressed in this window: true when the
  // window used it. The host may be gone when this returns true.
  bool ReportKey(Key key, KeyModifiers modifiers);

  HWND handle() const { return window_handle_; }
  // The native window of a control, and the arrow pair of an edit box; null if none.
  HWND ControlHandle(std::int32_t control) const;
  HWND UpDownHandle(std::int32_t edit_box) const;
  // The off-screen image of a canvas, or null.
  const GdiSurface* CanvasImage(std::int32_t canvas) const;

 private:
  struct NativeControl;
  // Marks a call from the runtime: notifications it causes are not reported.
  class Quiet;

  Win32WindowHost(Window& window, HINSTANCE instance);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  bool Reporting() const { return quiet_ == 0 && !detached_; }
  void OnCommand(WPARAM wparam, LPARAM lparam);
  bool OnUpDown(const NMUPDOWN& change);
  HBRUSH OnEditColours(HDC dc, HWND edit);
  NativeControl* Find(std::int32_t control) const;
  NativeControl* FindByHandle(HWND handle) const;
  HWND ContainerOf(const ControlState& control) const;

  Window& window_;
  HINSTANCE instance_;
  HWND window_handle_ = nullptr;
  HBRUSH background_ = nullptr;
  HICON big_icon_ = nullptr;
  HICON small_icon_ = nullptr;
  DpiScale scale_;
  std::vector<std::unique_ptr<NativeControl>> controls_;
  FontCache fonts_;
  std::unique_ptr<GdiSurface> spare_;
  int quiet_ = 0;
  bool detached_ = false;
  bool opening_ = false;  // created and not yet shown
};

// The Win32 host of a window loaded on the Win32 backend.
Win32WindowHost& Win32HostOf(Window& window);

}  // namespace runtime::win32
