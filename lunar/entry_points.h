// The lunar calendar library's whole public face: the five operations the calendar calls.
//
// Arguments arrive as the runtime's values: 32-bit integers (the inner operations see
// only their low 16 bits), 32-bit booleans that count as set only when exactly 1, and
// variables the library writes into. Every operation starts from its failure value
// (false, 0, or the empty text) and replaces it only at the end of a successful path;
// variables are written only on success, and nothing raised inside escapes.
//
// Texts come back as blocks allocated through the service function the runtime hands
// over once at start (length + 1 bytes, NUL-terminated GBK); the empty text is nullptr
// and owns nothing. The caller owns and frees every block through the runtime.
#pragma once

#include <cstdint>

namespace lunar {

// The runtime's service function: allocates a block of `size` bytes, or answers nullptr.
// Whatever it raises is caught; the operation then gives its failure value.
using ServiceFunction = void* (*)(std::uint32_t size);

// Called once by the runtime during its start-up, before any entry point.
void SetServiceFunction(ServiceFunction service);

// Lunar date of a DateValue (days since 1899-12-30); a time of day counts as its day, so
// -0.5 is 1899-12-29. False, writing nothing, outside the Gregorian days
// 1901-02-19..2048-12-31 or outside the DateValue span.
bool GetLunarDate(double date, std::int32_t& year, std::int32_t& month, std::int32_t& day,
                  std::int32_t& leap);

// 29 or 30; 0 for a year outside 1901..2049, a month outside 1..12, or a leap flag on a
// month that has no leap month after it.
std::int32_t GetLunarMonthDays(std::int32_t year, std::int32_t month, std::int32_t leap);

// Name of the solar term that begins on the Gregorian day of this lunar date, or the
// empty text. `number`, when given, receives the spring-first term number (1 = 立春,
// 0 = none), written only after a successful conversion.
char* GetSolarTerm(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t leap,
                   std::int32_t* number = nullptr);

// Animal of a year; `number`, when given, receives its zodiac number 1..12. Years whose
// low 16 bits are 0..3 name no animal: the empty text, `number` left alone.
char* GetZodiac(std::int32_t year, std::int32_t* number = nullptr);

// Name of cycle number 1..60 (1 = 甲子); the empty text outside that range.
char* GetStemBranch(std::int32_t number);

}  // namespace lunar
