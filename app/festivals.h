// Festivals and commemorative days: an ordered table of rules over Gregorian and lunar
// dates; the first rule that matches a date names its festival.
//
// A festival text starts with its category digit, which chooses its colour: "1" the
// public holidays (元旦, 劳动节, 国庆节, 春节), "2" the other Gregorian days, "3" the other
// lunar days. The empty text means no festival.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace app {

// `date` is a DateNumber (year * 10000 + month * 100 + day).
runtime::Text FestivalOf(std::int32_t date);

}  // namespace app
