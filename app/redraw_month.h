// The month view: the header line and a Sunday-first grid of the month in the boxes.
#pragma once

namespace app {

inline constexpr char kYearMessage[] = "※※ 年份应在1902-2047之间 ※※";
// Between 之间 and the closing ※※ stands a full-width space.
inline constexpr char kMonthMessage[] = "※※ 月份数应在 1-12 之间　※※";

// Reads both boxes; out of range, shows the message in the header and leaves the canvas
// as it was; otherwise writes the header line and draws the whole month afresh.
void RedrawMonth();

}  // namespace app
