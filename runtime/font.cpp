#include "runtime/font.h"

#include <algorithm>
#include <cmath>

#include "runtime/numbers.h"
#include "runtime/value.h"

namespace runtime {
namespace {

// Pixel heights beyond this are no font a surface can draw.
constexpr double kMaxHeight = 2000;

std::int32_t PixelHeight(double points, std::int32_t dpi) {
  return TruncateToInt(std::clamp(std::floor(points * dpi / 72.0 + 0.5), 1.0, kMaxHeight));
}

Text CheckedFace(Text face) {
  if (face.empty() || face.size() > 31) return kFallbackFace;
  return face;
}

}  // namespace

Font FontOf(const FontRecord& record, std::int32_t vertical_dpi) {
  Font font;
  font.face = CheckedFace(record.face);
  font.height = PixelHeight(record.size, vertical_dpi);
  font.weight = record.bold ? kBoldWeight : kDefaultWeight;
  font.italic = record.italic;
  font.underline = record.underline;
  font.strike_out = record.strike_out;
  font.angle = record.angle;
  font.points = record.size;
  return font;
}

FontRecord RecordOf(const Font& font, std::int32_t vertical_dpi) {
  FontRecord record;
  record.angle = font.angle;
  record.bold = font.bold();
  record.italic = font.italic;
  record.strike_out = font.strike_out;
  record.underline = font.underline;
  record.size = font.points;
  if (record.size == 0 && vertical_dpi > 0) {
    record.size = TruncateToInt(std::floor(font.height * 72.0 / vertical_dpi + 0.5));
  }
  record.face = font.face;
  return record;
}

Font WithFontMember(const Font& font, std::int32_t member, const Value& value,
                    std::int32_t vertical_dpi) {
  Font changed = font;
  switch (member) {
    case kFontWhole:
      if (const FontRecord* record = value.font()) return FontOf(*record, vertical_dpi);
      break;
    case kFontAngle:
      changed.angle = value.AsInteger();
      break;
    case kFontBold:
      changed.weight = value.AsFlag() ? kBoldWeight : kDefaultWeight;
      break;
    case kFontItalic:
      changed.italic = value.AsFlag();
      break;
    case kFontStrikeOut:
      changed.strike_out = value.AsFlag();
      break;
    case kFontUnderline:
      changed.underline = value.AsFlag();
      break;
    case kFontSize:
      changed.height = PixelHeight(value.AsNumber(), vertical_dpi);
      changed.points = value.AsInteger();
      break;
    case kFontFace:
      changed.face = CheckedFace(value.AsText());
      break;
    default:
      break;
  }
  return changed;
}

}  // namespace runtime
