#include "runtime/win32/gdi_fonts.h"

#include <algorithm>

#include "runtime/win32/wide_text.h"

namespace runtime::win32 {
namespace {

bool IsAscii(const Text& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

LOGFONTW InterfaceLogFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return metrics.lfMessageFont;
  }
  LOGFONTW fallback{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
  return fallback;
}

LOGFONTW LogFontOf(const Font& font, std::int32_t dpi) {
  LOGFONTW lf = InterfaceLogFont();
  const DpiScale scale{dpi};
  if (font.height > 0) {
    lf.lfHeight = -scale.ToDevice(font.height);
  } else if (const std::int32_t system = SystemDpi(); system != dpi) {
    lf.lfHeight = MulDiv(lf.lfHeight, dpi, system);
  }
  lf.lfWidth = 0;
  lf.lfEscapement = font.angle;
  lf.lfOrientation = font.angle;
  lf.lfWeight = font.weight;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfStrikeOut = font.strike_out;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  // The program's texts are Chinese: the interface face is asked for with the Chinese
  // set, which finds a face with Chinese glyphs where the system's own has none.
  lf.lfCharSet = GB2312_CHARSET;
  if (!font.face.empty()) {
    lf.lfCharSet = IsAscii(font.face) ? DEFAULT_CHARSET : GB2312_CHARSET;
    const std::wstring face = WideFromGbk(font.face);
    const std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::fill(std::begin(lf.lfFaceName), std::end(lf.lfFaceName), L'\0');
    std::copy_n(face.begin(), n, lf.lfFaceName);
  }
  return lf;
}

FontCache::~FontCache() {
  for (const Entry& entry : entries_) DeleteObject(entry.handle);
}

HFONT FontCache::Get(const Font& font) {
  for (const Entry& entry : entries_) {
    if (entry.font == font) return entry.handle;
  }
  const LOGFONTW lf = LogFontOf(font, dpi_);
  HFONT handle = CreateFontIndirectW(&lf);
  if (handle == nullptr) return nullptr;
  if (entries_.size() == kLimit) {
    DeleteObject(entries_.front().handle);
    entries_.erase(entries_.begin());
  }
  entries_.push_back({font, handle});
  return handle;
}

}  // namespace runtime::win32
