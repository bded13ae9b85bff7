// The calendar window's three event handlers.
#pragma once

namespace app {

// Fills the boxes with today's year and month; each write redraws, then one redraw more.
void OnWindowCreated();

void OnYearTextChanged();
void OnMonthTextChanged();

}  // namespace app
