// Logical pixels and the screen's pixels.
//
// The window definition and the calendar's canvas speak in logical pixels, 96 to the
// inch. The program declares itself aware of the system's dots per inch, so Windows does
// not stretch its window: at 200 % the screen has 192 and each logical pixel covers two
// of the screen's pixels each way. Positions, sizes and font heights are scaled on their
// way to Windows, measures on their way back.
#pragma once

#include "runtime/win32/windows_api.h"

#include <cstdint>

#include "runtime/window_geometry.h"

namespace runtime::win32 {

inline constexpr std::int32_t kLogicalDpi = 96;

// The dots per inch of the primary screen as this program sees it.
std::int32_t SystemDpi();

struct DpiScale {
  std::int32_t dpi = kLogicalDpi;

  // To the nearest pixel, halves away from zero.
  std::int32_t ToDevice(std::int32_t logical) const { return MulDiv(logical, dpi, kLogicalDpi); }
  std::int32_t ToLogical(std::int32_t device) const { return MulDiv(device, kLogicalDpi, dpi); }
  Rect ToDevice(const Rect& logical) const {
    return {ToDevice(logical.left), ToDevice(logical.top), ToDevice(logical.width), ToDevice(logical.height)};
  }
};

}  // namespace runtime::win32
