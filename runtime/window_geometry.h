// Where a window goes on the screen and where an up-down pair goes beside its box.
#pragma once

#include <cstdint>

#include "runtime/window_definition.h"

namespace runtime {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

// The outer top-left corner that centres a window of the definition's outer size:
// (screen - outer) / 2 in integer division, on each axis. A window without centring
// keeps its stored position.
Point StartPosition(const WindowDefinition& window, std::int32_t screen_width,
                    std::int32_t screen_height);

// The up-down pair of an edit box, in the box's container: directly right of the box,
// 18 pixels wide, with the box's top and height.
inline constexpr std::int32_t kUpDownWidth = 18;
Rect UpDownRect(const ControlDefinition& edit_box);

bool HasUpDown(const ControlDefinition& control);

}  // namespace runtime
