// A canvas's off-screen image: every canvas operation draws into it, and the canvas
// widget's repaint only copies it, so covering and uncovering the window never asks the
// calendar to draw again.
//
// The image has the canvas's size in device pixels (size x device pixel ratio) and is
// drawn in the canvas's own pixel coordinates, so that text stays sharp on a scaled
// screen. A text's top-left corner lands at the given point: the baseline goes one
// ascent lower. An opaque background fills the text's cell, advance wide and one line
// (ascent + descent) high.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <functional>
#include <vector>

#include "runtime/surface.h"

namespace runtime::qt {

class ImageSurface final : public Surface {
 public:
  // A new image shows `background`; `changed` runs after each operation that altered
  // the image.
  ImageSurface(int width, int height, qreal device_pixel_ratio, std::int32_t vertical_dpi,
               Colour background, std::function<void()> changed = {});

  void Fill(Colour colour) override;
  void DrawText(std::int32_t x, std::int32_t y, const Text& text, const Font& font, Colour colour,
                Colour background) override;
  TextExtent MeasureText(const Text& text, const Font& font) override;
  std::int32_t VerticalDpi() const override { return dpi_; }

  const QImage& image() const { return image_; }
  // Fills so far: one per drawn month, for tests and benchmarks.
  int fills() const { return fills_; }

 private:
  struct Resolved {
    Font font;
    QFont qt;
    QFontMetrics metrics;
  };
  // The redraw switches between two or three fonts; resolving each once keeps it quick.
  const Resolved& Resolve(const Font& font);

  QImage image_;
  std::int32_t dpi_;
  std::function<void()> changed_;
  std::vector<Resolved> fonts_;
  int fills_ = 0;
};

}  // namespace runtime::qt
