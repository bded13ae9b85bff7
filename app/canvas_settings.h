// Setting the month canvas's colours and font, as the drawing routines do before each
// write.
#pragma once

#include "app/window_definition.h"
#include "runtime/colour.h"
#include "runtime/properties.h"

namespace app {

inline void SetTextColour(runtime::Colour colour) {
  runtime::WriteProperty(kCalendarWindow, 画板1, runtime::kPropertyTextColour, runtime::kWholeValue,
                         colour);
}

inline void SetTextBackground(runtime::Colour colour) {
  runtime::WriteProperty(kCalendarWindow, 画板1, runtime::kPropertyTextBackground,
                         runtime::kWholeValue, colour);
}

// Three member writes, in this order: face, size in points, bold.
inline void SetFont(const char* face, std::int32_t points, bool bold) {
  runtime::WriteProperty(kCalendarWindow, 画板1, runtime::kPropertyFont, runtime::kFontFace, face);
  runtime::WriteProperty(kCalendarWindow, 画板1, runtime::kPropertyFont, runtime::kFontSize, points);
  runtime::WriteProperty(kCalendarWindow, 画板1, runtime::kPropertyFont, runtime::kFontBold, bold);
}

}  // namespace app
