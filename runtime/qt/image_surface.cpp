#include "runtime/qt/image_surface.h"

#include <QPainter>

#include "runtime/qt/colour.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/gbk.h"

namespace runtime::qt {
namespace {

constexpr std::size_t kFontsKept = 8;

}  // namespace

ImageSurface::ImageSurface(int width, int height, qreal device_pixel_ratio,
                           std::int32_t vertical_dpi, Colour background,
                           std::function<void()> changed)
    : image_(qRound(width * device_pixel_ratio), qRound(height * device_pixel_ratio),
             QImage::Format_RGB32),
      dpi_(vertical_dpi),
      changed_(std::move(changed)) {
  image_.setDevicePixelRatio(device_pixel_ratio);
  image_.fill(QtColour(background));
}

void ImageSurface::Fill(Colour colour) {
  image_.fill(QtColour(colour));
  ++fills_;
  if (changed_) changed_();
}

void ImageSurface::DrawText(std::int32_t x, std::int32_t y, const Text& text, const Font& font,
                            Colour colour, Colour background) {
  const Resolved& resolved = Resolve(font);
  const QString line = FromGbk(text);
  QPainter painter(&image_);
  painter.setFont(resolved.qt);
  if (background != kTransparent) {
    painter.fillRect(QRect(x, y, resolved.metrics.horizontalAdvance(line), resolved.metrics.height()),
                     QtColour(background));
  }
  painter.setPen(QtColour(colour));
  if (font.angle != 0) {
    // Tenths of a degree, counter-clockwise, about the text's top-left corner.
    painter.translate(x, y);
    painter.rotate(-font.angle / 10.0);
    painter.drawText(QPoint(0, resolved.metrics.ascent()), line);
  } else {
    painter.drawText(QPoint(x, y + resolved.metrics.ascent()), line);
  }
  painter.end();
  if (changed_) changed_();
}

TextExtent ImageSurface::MeasureText(const Text& text, const Font& font) {
  const Resolved& resolved = Resolve(font);
  return {resolved.metrics.horizontalAdvance(FromGbk(text)), resolved.metrics.height()};
}

const ImageSurface::Resolved& ImageSurface::Resolve(const Font& font) {
  for (const Resolved& r : fonts_) {
    if (r.font == font) return r;
  }
  if (fonts_.size() == kFontsKept) fonts_.erase(fonts_.begin());
  const QFont qt = QtFont(font);
  fonts_.push_back(Resolved{font, qt, QFontMetrics(qt, &image_)});
  return fonts_.back();
}

}  // namespace runtime::qt
