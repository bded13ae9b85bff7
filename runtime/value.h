// Values passed through property reads and writes and canvas writes: an integer, a
// number, a flag, a text or a font record, converted as the program's rules convert them.
#pragma once

#include <cstdint>
#include <variant>

#include "runtime/colour.h"
#include "runtime/font.h"
#include "runtime/text.h"

namespace runtime {

class Value {
 public:
  Value(std::int32_t integer) : v_(integer) {}
  Value(Colour colour) : v_(static_cast<std::int32_t>(colour)) {}
  Value(double number) : v_(number) {}
  Value(bool flag) : v_(flag) {}
  Value(const char* text) : v_(Text(text == nullptr ? "" : text)) {}
  Value(Text text) : v_(std::move(text)) {}
  Value(FontRecord font) : v_(std::move(font)) {}

  bool is_text() const { return std::holds_alternative<Text>(v_); }
  const FontRecord* font() const { return std::get_if<FontRecord>(&v_); }

  // Integers in the "%d" form, numbers in the "%.13g" form, flags as 真 or 假; a font
  // record has no text.
  Text AsText() const;
  // A text is read with ToNumber.
  double AsNumber() const;
  std::int32_t AsInteger() const;
  Colour AsColour() const { return static_cast<Colour>(AsInteger()); }
  bool AsFlag() const { return AsNumber() != 0; }

  bool operator==(const Value&) const = default;

 private:
  std::variant<std::int32_t, double, bool, Text, FontRecord> v_;
};

}  // namespace runtime
