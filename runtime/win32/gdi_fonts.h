// GDI fonts for the runtime's fonts.
//
// A font is asked for by face, character height in pixels (a negative lfHeight: the
// height without internal leading), weight and style. A Chinese face name is asked for
// with the Chinese character set, so that "宋体" finds a Song face even on a system whose
// own code page is not Chinese; a Latin face keeps the default set, which would otherwise
// lose to any Chinese face. An empty face or a height of 0 takes the system's message
// font, its face and size.
//
// Heights are logical pixels; a font is made for a screen of some dots per inch, so at
// 192 a 24-pixel font is 48 of the screen's pixels high.
#pragma once

#include "runtime/win32/windows_api.h"

#include <cstddef>
#include <vector>

#include "runtime/font.h"
#include "runtime/win32/dpi_scale.h"

namespace runtime::win32 {

LOGFONTW LogFontOf(const Font& font, std::int32_t dpi = kLogicalDpi);

// The system's font for dialogs and message boxes, at the system's dots per inch.
LOGFONTW InterfaceLogFont();

// Owns the GDI fonts a surface or a window has drawn with, made once each.
class FontCache {
 public:
  explicit FontCache(std::int32_t dpi = kLogicalDpi) : dpi_(dpi) {}
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // Null only when GDI cannot make any font; the caller then keeps the DC's font.
  HFONT Get(const Font& font);

 private:
  struct Entry {
    Font font;
    HFONT handle;
  };
  // A month draws with three fonts; a bound keeps a program that keeps changing its
  // font from piling up GDI objects.
  static constexpr std::size_t kLimit = 16;
  std::int32_t dpi_;
  std::vector<Entry> entries_;
};

}  // namespace runtime::win32
