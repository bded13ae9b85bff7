// The calendar's stored assets, by the names its window definition gives them: the
// window icon and the background sound track, both built into the program.
#pragma once

#include <span>

#include "runtime/assets.h"

namespace app {

std::span<const runtime::Asset> CalendarAssets();

}  // namespace app
