// A canvas control: its drawing state and the two drawing operations, over a surface.
//
// The state is what the program set last: background, text colour, text background,
// font and a current position. It lasts as long as the canvas, so a redraw starts with
// whatever colours and font the previous one left.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/colour.h"
#include "runtime/font.h"
#include "runtime/surface.h"
#include "runtime/text.h"
#include "runtime/value.h"

namespace runtime {

struct CanvasState {
  Colour background = 0xFFFFFF;
  Colour text_colour = 0x000000;
  Colour text_background = kTransparent;
  Font font;
  std::int32_t x = 0;  // current position
  std::int32_t y = 0;
};

class Canvas {
 public:
  Canvas(Surface& surface, CanvasState initial) : surface_(surface), state_(std::move(initial)) {}

  // Fills the whole canvas with its background and moves the current position to (0, 0).
  void Clear();

  // Draws the values as texts, one after another on a line starting at (x, y); a line
  // break (CR, LF or CRLF) goes back to x, one text height + 2 lower. Empty texts draw
  // nothing. The current position stays.
  void WriteAt(std::int32_t x, std::int32_t y, std::span<const Value> values);

  // The width of a text in the current font.
  std::int32_t TextWidth(const Text& text);

  const CanvasState& state() const { return state_; }
  void SetTextColour(Colour colour) { state_.text_colour = colour; }
  void SetTextBackground(Colour colour) { state_.text_background = colour; }
  void SetFontMember(std::int32_t member, const Value& value);
  FontRecord FontRecordNow() const { return RecordOf(state_.font, surface_.VerticalDpi()); }

  Surface& surface() { return surface_; }

 private:
  Surface& surface_;
  CanvasState state_;
};

}  // namespace runtime
