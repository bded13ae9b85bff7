// Colours are 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

namespace runtime {

using Colour = std::uint32_t;

// As a text background: draw only the glyphs. As a canvas background: the system's
// button-face colour.
inline constexpr Colour kTransparent = 0xFF000000;

// The shade the canvas fills with for a background of kTransparent.
inline constexpr Colour kButtonFace = 0xF0F0F0;

}  // namespace runtime
