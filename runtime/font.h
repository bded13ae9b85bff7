// Fonts as the program writes them and as a surface draws with them.
//
// The program sees a font record of seven members and writes them one at a time; each
// write rebuilds the font from the current one with that member replaced. What a surface
// draws with is the result: a face, a character height in pixels (without internal
// leading), a weight and the style flags.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace runtime {

class Value;

// Member numbers of the font record; kFontWhole stands for the whole record.
inline constexpr std::int32_t kFontWhole = -1;
inline constexpr std::int32_t kFontAngle = 0;  // tenths of a degree
inline constexpr std::int32_t kFontBold = 1;
inline constexpr std::int32_t kFontItalic = 2;
inline constexpr std::int32_t kFontStrikeOut = 3;
inline constexpr std::int32_t kFontUnderline = 4;
inline constexpr std::int32_t kFontSize = 5;  // points
inline constexpr std::int32_t kFontFace = 6;  // 1 to 31 bytes

inline constexpr std::int32_t kDefaultWeight = 400;
inline constexpr std::int32_t kBoldWeight = 700;

// The face that a face name of 0 or more than 31 bytes becomes.
inline constexpr char kFallbackFace[] = "宋体";

struct FontRecord {
  std::int32_t angle = 0;
  bool bold = false;
  bool italic = false;
  bool strike_out = false;
  bool underline = false;
  std::int32_t size = 9;
  Text face = kFallbackFace;

  bool operator==(const FontRecord&) const = default;
};

struct Font {
  Text face;                 // empty: the platform's default interface face
  std::int32_t height = 0;   // pixels; 0: the default interface size
  std::int32_t weight = kDefaultWeight;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  std::int32_t angle = 0;
  std::int32_t points = 0;   // the size in points last written, for readers of the record

  bool bold() const { return weight >= kBoldWeight; }
  bool operator==(const Font&) const = default;
};

// The font of a record, with sizes turned into pixels at `vertical_dpi`.
Font FontOf(const FontRecord& record, std::int32_t vertical_dpi);

// The record a font shows to the program.
FontRecord RecordOf(const Font& font, std::int32_t vertical_dpi);

// `font` with one member (or, for kFontWhole, the whole record) replaced by `value`.
// Unknown member numbers change nothing.
Font WithFontMember(const Font& font, std::int32_t member, const Value& value,
                    std::int32_t vertical_dpi);

}  // namespace runtime
