// The program's colours (0x00BBGGRR, red in the low byte) as Qt's.
#pragma once

#include <QColor>

#include "runtime/colour.h"

namespace runtime::qt {

inline QColor QtColour(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace runtime::qt
