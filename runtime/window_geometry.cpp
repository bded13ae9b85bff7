#include "runtime/window_geometry.h"

namespace runtime {

Point StartPosition(const WindowDefinition& window, std::int32_t screen_width,
                    std::int32_t screen_height) {
  if (!window.centred) return {window.stored_left, window.stored_top};
  return {(screen_width - window.outer_width) / 2, (screen_height - window.outer_height) / 2};
}

Rect UpDownRect(const ControlDefinition& edit_box) {
  return {edit_box.left + edit_box.width, edit_box.top, kUpDownWidth, edit_box.height};
}

bool HasUpDown(const ControlDefinition& control) {
  return control.kind == ControlKind::kEditBox &&
         (control.up_down.lower != 0 || control.up_down.upper != 0);
}

}  // namespace runtime
