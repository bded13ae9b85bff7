// The program's font faces on Linux.
//
// The calendar asks for "宋体" (SimSun) and "Arial". Where the real faces are installed
// they are used; otherwise each name maps to the installed faces that look and measure
// most like it, whatever the user's fontconfig would substitute:
//
//   宋体, SimSun  ->  AR PL UMing CN (fonts-arphic-uming), then AR PL SungtiL GB,
//                     Noto Serif CJK SC: Song/Ming faces with half-width ASCII and a
//                     12-pixel line at 12 pixels, like SimSun
//   Arial        ->  Liberation Sans (fonts-liberation2), then Arimo: Arial's metrics
//
// With none of them installed Qt takes fontconfig's choice for the name (DejaVu Sans on
// a plain Debian); Chinese then comes from whatever CJK face is installed, or shows as
// empty boxes when there is none. Positions stay where the calendar puts them; only
// the widths and heights of texts change. Nothing fails.
//
// An empty face is the platform's default interface font (the weekday labels).
#pragma once

#include <QFont>

#include "runtime/font.h"
#include "runtime/window_definition.h"

namespace runtime::qt {

// Installs the mapping; once, before any font is used.
void MapFaces();

// A canvas font: face, pixel height without internal leading, weight and styles.
QFont QtFont(const Font& font);

// A control's font from its definition.
QFont QtFont(const FontSpec& font);

}  // namespace runtime::qt
