// The types a window definition is written in: constant data that says everything about
// a window and its controls that the runtime and the backends need to build them.
//
// A definition names controls by number; a control's container is the window (number 0)
// or a shape box of the same window. Which fields a control uses depends on its kind:
//
//   shape box  background (a rectangle without outline)
//   label      text (caption), text_colour, background, font, alignment
//   edit box   text, text_colour, background, font, alignment, border, up_down range,
//              tab stop; always one line that scrolls sideways, no length limit, no
//              filter, the selection hidden without the focus
//   canvas     background, text_colour, text_background, font (its initial drawing state)
#pragma once

#include <cstdint>
#include <span>

#include "runtime/colour.h"

namespace runtime {

using Handler = void (*)();

enum class ControlKind { kShapeBox, kLabel, kEditBox, kCanvas };

enum class Alignment { kStart, kCentre, kEnd };

enum class Border { kNone, kSunken };

// Event numbers are counted per kind of source.
inline constexpr std::int32_t kEventCreated = 0;      // the window
inline constexpr std::int32_t kEventTextChanged = 0;  // an edit box

struct EventBinding {
  std::int32_t event;
  Handler handler;
};

struct FontSpec {
  const char* face = nullptr;  // nullptr: the platform's default interface font
  std::int32_t height = 0;     // character height in pixels, 0 for the default size
  std::int32_t weight = 400;
};

// An edit box's up-down button pair, right of the box (18 pixels wide, the box's top and
// height); lower = upper = 0 for a box without one.
struct UpDownRange {
  std::int32_t lower = 0;
  std::int32_t upper = 0;
  bool operator==(const UpDownRange&) const = default;
};

struct ControlDefinition {
  const char* name;
  ControlKind kind;
  std::int32_t number;
  std::int32_t container = 0;
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;
  bool tab_stop = false;
  std::int32_t tab_order = 0;
  const char* text = "";
  Colour text_colour = 0x000000;
  Colour background = 0xFFFFFF;
  Colour text_background = kTransparent;
  FontSpec font = {};
  Alignment horizontal = Alignment::kStart;
  Alignment vertical = Alignment::kStart;
  Border border = Border::kNone;
  UpDownRange up_down = {};
  std::span<const EventBinding> events = {};
};

struct WindowDefinition {
  std::int32_t number;
  const char* title;
  std::int32_t outer_width, outer_height;  // frame and caption included
  std::int32_t stored_left, stored_top;
  bool centred = true;  // the stored position is not used
  bool resizable = false;
  bool minimise_button = false;
  bool maximise_button = false;
  bool close_button = true;
  bool movable = true;
  bool taskbar_button = true;
  bool always_on_top = false;
  bool esc_closes = true;
  Colour background = 0xFFFFFF;
  const char* icon = nullptr;   // name of an embedded asset, the large and the small icon
  const char* sound = nullptr;  // name of an embedded asset, played from creation on
  bool sound_loops = true;
  std::span<const EventBinding> events = {};
  std::span<const ControlDefinition> controls = {};
};

}  // namespace runtime
