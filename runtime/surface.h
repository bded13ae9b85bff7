// The drawing seam: what a canvas needs from the platform's off-screen image.
//
// A canvas turns its operations into these three calls; each backend implements them
// once (over a QImage, a GDI bitmap, or a recording without any pixels). A new surface
// shows the canvas's background colour. Texts arrive as GBK, one line each.
#pragma once

#include <cstdint>

#include "runtime/colour.h"
#include "runtime/font.h"
#include "runtime/text.h"

namespace runtime {

struct TextExtent {
  std::int32_t width = 0;
  std::int32_t height = 0;  // one line, also for the empty text

  bool operator==(const TextExtent&) const = default;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // Fills the whole surface.
  virtual void Fill(Colour colour) = 0;

  // Draws one line of text with its top-left corner at (x, y). An opaque `background`
  // first fills the text's extent; kTransparent leaves everything but the glyphs.
  virtual void DrawText(std::int32_t x, std::int32_t y, const Text& text, const Font& font,
                        Colour colour, Colour background) = 0;

  virtual TextExtent MeasureText(const Text& text, const Font& font) = 0;

  // Font sizes in points become pixels at this resolution.
  virtual std::int32_t VerticalDpi() const = 0;
};

}  // namespace runtime
