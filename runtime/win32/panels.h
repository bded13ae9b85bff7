// The window classes the backend paints itself: the top-level window's class, shape
// boxes (a flat colour that holds other controls), labels (one line of text over a
// filled background) and canvases (a copy of their off-screen image).
//
// Shape boxes pass the notifications of the controls they hold (edit boxes, up-down
// buttons) up to the top-level window, so that one window procedure hears everything.
#pragma once

#include "runtime/win32/windows_api.h"

namespace runtime::win32 {

class GdiSurface;

inline constexpr wchar_t kTopLevelClass[] = L"WnlWindow";
inline constexpr wchar_t kShapeBoxClass[] = L"WnlShapeBox";
inline constexpr wchar_t kLabelClass[] = L"WnlLabel";
inline constexpr wchar_t kCanvasClass[] = L"WnlCanvas";

// What a panel paints, handed over as its creation parameter; it outlives the panel.
struct PanelLook {
  COLORREF text = 0;
  COLORREF background = 0xFFFFFF;
  HFONT font = nullptr;
  UINT format = 0;  // DrawText flags of a label
  HBRUSH brush = nullptr;  // of `background`
  const GdiSurface* image = nullptr;  // a canvas's
};

// Registers the panel classes and, with `top_level_proc`, the top-level class. Safe to
// call again.
void RegisterWindowClasses(HINSTANCE instance, WNDPROC top_level_proc);

}  // namespace runtime::win32
