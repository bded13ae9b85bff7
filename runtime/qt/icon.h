// The window icon from the stored icon file: its largest image, also scaled to the
// small and large sizes that captions and taskbars ask for.
#pragma once

#include <QIcon>
#include <cstdint>
#include <span>

namespace runtime::qt {

// An empty icon when the file holds no picture Qt can read.
QIcon IconFromFile(std::span<const std::uint8_t> ico);

}  // namespace runtime::qt
