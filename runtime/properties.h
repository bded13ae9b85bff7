// The program's access to its controls: properties and canvas operations, addressed by
// window number and control number.
//
// A property is numbered per kind of control (8 + k for the kind's k-th property; 0..7
// are common to all kinds). Addressing a window that is not loaded, a control it does
// not have, or a property its kind does not have is a fatal runtime error.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/font.h"
#include "runtime/text.h"
#include "runtime/value.h"

namespace runtime {

inline constexpr std::int32_t kPropertyText = 8;     // edit box: its text; label: caption
inline constexpr std::int32_t kPropertyTextColour = 20;      // canvas
inline constexpr std::int32_t kPropertyTextBackground = 21;  // canvas
inline constexpr std::int32_t kPropertyFont = 22;            // canvas, by member

// The member argument of a property that is not a record.
inline constexpr std::int32_t kWholeValue = -1;

// A text comes back as a new text; the canvas font as its whole record.
Value ReadProperty(std::int32_t window, std::int32_t control, std::int32_t property);

// Sets the property (member -1) or one member of a record-valued one, and the control
// shows it. Writing an edit box's text raises its text-change event once.
void WriteProperty(std::int32_t window, std::int32_t control, std::int32_t property,
                   std::int32_t member, const Value& value);

void CanvasClear(std::int32_t window, std::int32_t canvas);

void CanvasWriteValues(std::int32_t window, std::int32_t canvas, std::int32_t x, std::int32_t y,
                       std::span<const Value> values);

// Draws one or more values at (x, y) with the canvas's colours and font.
template <typename... More>
void CanvasWriteAt(std::int32_t window, std::int32_t canvas, std::int32_t x, std::int32_t y,
                   const Value& first, const More&... more) {
  const Value values[] = {first, Value(more)...};
  CanvasWriteValues(window, canvas, x, y, values);
}

// The width in pixels that `text` takes in the canvas's current font.
std::int32_t CanvasTextWidth(std::int32_t window, std::int32_t canvas, const Text& text);

}  // namespace runtime
