#include "runtime/headless/recording_surface.h"

#include <cstdio>

#include "runtime/headless/gbk_to_utf8.h"

namespace runtime::headless {
namespace {

std::string Hex(Colour colour) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%06X", static_cast<unsigned>(colour));
  return buffer;
}

std::string Quoted(std::string_view gbk) {
  std::string out = "\"";
  for (char c : GbkToUtf8(gbk)) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out.push_back(c);
    }
  }
  return out + "\"";
}

std::string PrintFont(const Font& font) {
  std::string out = Quoted(font.face) + " " + std::to_string(font.height) + "px " +
                    std::to_string(font.weight);
  if (font.italic) out += " italic";
  if (font.underline) out += " underline";
  if (font.strike_out) out += " strike-out";
  if (font.angle != 0) out += " angle " + std::to_string(font.angle);
  return out;
}

}  // namespace

std::string PrintOp(const DrawOp& op) {
  if (op.kind == DrawOp::Kind::kFill) return "fill " + Hex(op.colour);
  return "text " + std::to_string(op.x) + " " + std::to_string(op.y) + " " + Hex(op.colour) +
         " on " + (op.background == kTransparent ? std::string("none") : Hex(op.background)) + " " +
         PrintFont(op.font) + " " + Quoted(op.text);
}

void RecordingSurface::Fill(Colour colour) {
  DrawOp op;
  op.kind = DrawOp::Kind::kFill;
  op.colour = colour;
  ops_.push_back(std::move(op));
}

void RecordingSurface::DrawText(std::int32_t x, std::int32_t y, const Text& text, const Font& font,
                                Colour colour, Colour background) {
  ops_.push_back(DrawOp{DrawOp::Kind::kText, colour, x, y, text, background, font});
}

TextExtent RecordingSurface::MeasureText(const Text& text, const Font& font) {
  const std::int32_t line = font.height > 0 ? font.height : kDefaultHeight;
  return {static_cast<std::int32_t>(static_cast<std::int64_t>(text.size()) * line / 2), line};
}

std::string RecordingSurface::Print() const {
  std::string out;
  for (const DrawOp& op : ops_) out += PrintOp(op) + "\n";
  return out;
}

}  // namespace runtime::headless
