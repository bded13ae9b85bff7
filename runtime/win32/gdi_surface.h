// A canvas's off-screen image on Windows: a 32-bit top-down DIB section selected into
// a memory DC, drawn with GDI. The canvas window's paint only copies it, and every
// drawing operation marks that window for repainting.
//
// The calendar draws in logical pixels; the image has the screen's pixels. At 192 dots
// per inch a 440 x 280 canvas is an image of 880 x 560, its texts are drawn at twice
// the position with fonts twice as high (sharp, not stretched), and the measures come
// back halved, so that what the layout counts with is what is drawn.
#pragma once

#include "runtime/win32/windows_api.h"

#include <cstdint>

#include "runtime/surface.h"
#include "runtime/win32/gdi_fonts.h"

namespace runtime::win32 {

class GdiSurface final : public Surface {
 public:
  // A surface of the given logical size for a screen of `dpi`, filled with `background`.
  // Fails only when GDI has no memory for it (ok() is false; drawing then does nothing).
  GdiSurface(std::int32_t width, std::int32_t height, Colour background, std::int32_t dpi);
  ~GdiSurface() override;
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  void Fill(Colour colour) override;
  void DrawText(std::int32_t x, std::int32_t y, const Text& text, const Font& font, Colour colour,
                Colour background) override;
  TextExtent MeasureText(const Text& text, const Font& font) override;
  // Points become logical pixels.
  std::int32_t VerticalDpi() const override { return kLogicalDpi; }

  bool ok() const { return bitmap_ != nullptr; }
  // The image's size in the screen's pixels.
  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  std::int32_t dpi() const { return scale_.dpi; }

  // The window whose client area shows this image; it is invalidated after each drawing.
  void ShowIn(HWND window) { window_ = window; }

  // Copies the image to (x, y) of `target`.
  void CopyTo(HDC target, std::int32_t x, std::int32_t y) const;

  // The image's pixel at (x, y) as 0x00BBGGRR, for tests that read what was drawn; 0
  // outside.
  Colour PixelAt(std::int32_t x, std::int32_t y) const;

 private:
  // Selects the font for one operation and puts the DC's own back afterwards, so that
  // the cache may delete any font it holds.
  class FontScope;
  void Changed();

  DpiScale scale_;
  std::int32_t width_;
  std::int32_t height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
  const std::uint32_t* bits_ = nullptr;  // B, G, R, unused, row by row from the top
  HWND window_ = nullptr;
  FontCache fonts_;
};

}  // namespace runtime::win32
