// The clock: the local date and time, to the second.
//
// The calendar marks today and opens on the current month, so tests and `wnl --today`
// fix the clock to a moment of their choice; until then it follows the system's.
#pragma once

#include "runtime/dates.h"

namespace runtime {

DateValue CurrentDateTime();

// From now on CurrentDateTime answers `now`, cut to whole seconds.
void FixClock(DateValue now);

void UseSystemClock();

}  // namespace runtime
