// Without a display: the current month in the terminal, as the calendar window would
// show it, drawn by the same start-up and RedrawMonth on the headless backend and read
// back from the recorded canvas operations.
#pragma once

#include <cstdio>

namespace app {

// Writes the header line and the grid (UTF-8) to `out`; today in brackets.
void PrintCurrentMonth(std::FILE* out);

}  // namespace app
