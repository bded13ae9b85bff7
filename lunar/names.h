// Names of the sixty-year stem-branch cycle (干支) and of the twelve zodiac animals (生肖).
//
// Cycle number 1..60 pairs stem (n - 1) mod 10 + 1 with branch (n - 1) mod 12 + 1, so 1 is
// 甲子 and 60 is 癸亥. Zodiac number 1 is 鼠, the animal of year 4 and of every twelfth
// year after it. Names are whole two-byte GBK characters copied out of three constant texts.
#pragma once

#include <cstdint>

namespace lunar {

// Writes the name of cycle number `number` into `text` (at least 5 bytes). Above 60 the
// names repeat; a part whose number falls outside its range is left out, so 0 gives the
// empty text.
void StemBranchName(std::int32_t number, char* text);

// Writes the animal of `year` into `text` (at least 3 bytes) and answers its zodiac number
// 1..12. Years 0..3 name no animal: the empty text and 0.
std::uint16_t ZodiacName(std::uint16_t year, char* text);

}  // namespace lunar
