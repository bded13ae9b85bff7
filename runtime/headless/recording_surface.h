// A surface without pixels: it records every drawing operation, so that tests and `wnl`
// can read exactly what a redraw drew.
//
// Its text measure is deterministic and shaped like a Song face: each GBK byte is half
// the font's pixel height wide (a Chinese character a square), and a line is the pixel
// height high.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/surface.h"

namespace runtime::headless {

struct DrawOp {
  enum class Kind { kFill, kText };
  Kind kind = Kind::kFill;
  Colour colour = 0;  // the fill colour, or the text colour
  std::int32_t x = 0;
  std::int32_t y = 0;
  Text text;  // GBK
  Colour background = kTransparent;
  Font font;

  bool operator==(const DrawOp&) const = default;
};

// One line of UTF-8, e.g.
//   fill 0xFFFFFF
//   text 30 0 0x0000FF on none "Arial" 24px 700 "1"
std::string PrintOp(const DrawOp& op);

class RecordingSurface final : public Surface {
 public:
  // The size of the default interface font where a font leaves it open.
  static constexpr std::int32_t kDefaultHeight = 12;

  RecordingSurface(std::int32_t width, std::int32_t height, std::int32_t vertical_dpi = 96)
      : width_(width), height_(height), dpi_(vertical_dpi) {}

  void Fill(Colour colour) override;
  void DrawText(std::int32_t x, std::int32_t y, const Text& text, const Font& font, Colour colour,
                Colour background) override;
  TextExtent MeasureText(const Text& text, const Font& font) override;
  std::int32_t VerticalDpi() const override { return dpi_; }

  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  const std::vector<DrawOp>& ops() const { return ops_; }
  void ClearOps() { ops_.clear(); }

  // Every operation so far, one line each.
  std::string Print() const;

 private:
  std::int32_t width_;
  std::int32_t height_;
  std::int32_t dpi_;
  std::vector<DrawOp> ops_;
};

}  // namespace runtime::headless
