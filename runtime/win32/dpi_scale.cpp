#include "runtime/win32/dpi_scale.h"

namespace runtime::win32 {

std::int32_t SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kLogicalDpi;
}

}  // namespace runtime::win32
