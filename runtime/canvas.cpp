#include "runtime/canvas.h"

namespace runtime {

void Canvas::Clear() {
  surface_.Fill(state_.background == kTransparent ? kButtonFace : state_.background);
  state_.x = 0;
  state_.y = 0;
}

void Canvas::WriteAt(std::int32_t x, std::int32_t y, std::span<const Value> values) {
  std::int32_t line_x = x;
  std::int32_t line_y = y;
  for (const Value& value : values) {
    const Text text = value.AsText();
    std::size_t start = 0;
    while (true) {
      std::size_t end = text.find_first_of("\r\n", start);
      const Text line = text.substr(start, end == Text::npos ? Text::npos : end - start);
      const TextExtent extent = surface_.MeasureText(line, state_.font);
      if (!line.empty()) {
        surface_.DrawText(line_x, line_y, line, state_.font, state_.text_colour,
                          state_.text_background);
      }
      if (end == Text::npos) {
        line_x += extent.width;
        break;
      }
      if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
      line_x = x;
      line_y += extent.height + 2;
      start = end + 1;
    }
  }
}

std::int32_t Canvas::TextWidth(const Text& text) {
  return surface_.MeasureText(text, state_.font).width;
}

void Canvas::SetFontMember(std::int32_t member, const Value& value) {
  state_.font = WithFontMember(state_.font, member, value, surface_.VerticalDpi());
}

}  // namespace runtime
