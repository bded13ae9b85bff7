// The lunar library's five entry points with any DateValue, any 32-bit integers and
// flags, and a service function that allocates, answers nullptr or throws.
//
// Invariants: no crash, no leak, no undefined behaviour, and no failure that reaches the
// caller. Variables are written only on success: GetLunarDate's four exactly for the days
// 1901-02-19..2048-12-31, with a lunar date its month has, one day on giving the next
// lunar day; GetSolarTerm's number only after its conversion, 0..24 and naming the term
// it returns. Results stay in their ranges: month lengths 29, 30 or 0; a term name of
// one of the 24 terms; a zodiac animal for every year whose low 16 bits are 4 or more,
// repeating every 12 years; a stem-branch name for 1..60 exactly, its stem repeating
// every 10 and its branch every 12. Every text returned is a block of the service
// function, which the caller frees; a failed allocation gives the empty text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "fuzz/fuzz_input.h"
#include "lunar/conversion.h"
#include "lunar/entry_points.h"
#include "lunar/solar_terms.h"
#include "runtime/dates.h"

namespace {

using fuzz::Check;

constexpr std::int32_t kUntouched = 0x7EEDBEEF;

enum class Allocation { kWorks, kNull, kThrows };
Allocation allocation = Allocation::kWorks;
int liveBlocks = 0;

void* Allocate(std::uint32_t size) {
  switch (allocation) {
    case Allocation::kWorks:
      ++liveBlocks;
      return std::malloc(size);
    case Allocation::kNull:
      return nullptr;
    case Allocation::kThrows:
      break;
  }
  throw std::bad_alloc();
}

// The text of a returned block, freed.
std::string Adopt(char* block) {
  if (block == nullptr) return {};
  std::string text(block);
  std::free(block);
  --liveBlocks;
  Check(!text.empty());
  return text;
}

struct Lunar {
  std::int32_t year = kUntouched, month = kUntouched, day = kUntouched, leap = kUntouched;
  bool untouched() const {
    return year == kUntouched && month == kUntouched && day == kUntouched && leap == kUntouched;
  }
};

void CheckGetLunarDate(double date) {
  Lunar l;
  const bool found = lunar::GetLunarDate(date, l.year, l.month, l.day, l.leap);
  const double day = std::floor(date);
  Check(found == (day >= runtime::MakeDateValue(1901, 2, 19) && day <= runtime::MakeDateValue(2048, 12, 31)));
  if (!found) return Check(l.untouched());
  Check(l.year >= 1901 && l.year <= 2048 && l.month >= 1 && l.month <= 12 && (l.leap == 0 || l.leap == 1));
  const std::int32_t length = lunar::GetLunarMonthDays(l.year, l.month, l.leap);
  Check(l.day >= 1 && l.day <= length);

  Lunar next;
  if (!lunar::GetLunarDate(date + 1, next.year, next.month, next.day, next.leap)) return;
  if (l.day < length) {
    Check(next.year == l.year && next.month == l.month && next.day == l.day + 1 && next.leap == l.leap);
  } else {
    Check(next.day == 1);
  }
}

void CheckGetLunarMonthDays(std::int32_t year, std::int32_t month, std::int32_t leap) {
  const std::int32_t days = lunar::GetLunarMonthDays(year, month, leap);
  Check(days == 0 || days == 29 || days == 30);
  const std::int32_t ordinary = lunar::GetLunarMonthDays(year, month, 0);
  if (leap != 1) Check(days == ordinary);
  if (days != 0) Check(ordinary != 0);
}

// Term numbers count from 小寒; spring-first numbers from 立春, two terms later.
std::string TermName(std::int32_t springFirst) {
  char name[8] = {};
  lunar::SolarTermName((springFirst + 1) % 24 + 1, name);
  return name;
}

void CheckGetSolarTerm(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t leap) {
  std::int32_t number = kUntouched;
  const std::string name = Adopt(lunar::GetSolarTerm(year, month, day, leap, &number));
  std::uint16_t y, m, d;
  const bool converts = lunar::LunarToSolar(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                                            static_cast<std::uint16_t>(day), leap == 1 ? 1 : 0, y, m, d);
  if (!converts) return Check(name.empty() && number == kUntouched);
  if (allocation != Allocation::kWorks) {
    // A name that could not be made fails the call; without a term there is none to make.
    return Check(name.empty() && (number == kUntouched || number == 0));
  }
  Check(number >= 0 && number <= 24);
  Check(name.empty() ? number == 0 : name == TermName(number));
  Check(Adopt(lunar::GetSolarTerm(year, month, day, leap)) == name);
}

void CheckGetZodiac(std::int32_t year) {
  std::int32_t number = kUntouched;
  const std::string name = Adopt(lunar::GetZodiac(year, &number));
  const std::uint16_t low = static_cast<std::uint16_t>(year);
  if (low < 4 || allocation != Allocation::kWorks) return Check(name.empty() && number == kUntouched);
  Check(name.size() == 2 && number == (low - 4) % 12 + 1);
  if (low <= 0xFFFF - 12) Check(Adopt(lunar::GetZodiac(year + 12)) == name);
}

void CheckGetStemBranch(std::int32_t number) {
  const std::string name = Adopt(lunar::GetStemBranch(number));
  if (number < 1 || number > 60 || allocation != Allocation::kWorks) return Check(name.empty());
  Check(name.size() == 4);
  Check(Adopt(lunar::GetStemBranch((number + 9) % 60 + 1)).substr(0, 2) == name.substr(0, 2));
  Check(Adopt(lunar::GetStemBranch((number + 11) % 60 + 1)).substr(2) == name.substr(2));
}

struct Init {
  Init() { lunar::SetServiceFunction(&Allocate); }
} init;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  const auto mode = in.Take<std::uint8_t>();
  allocation = static_cast<Allocation>(mode % 3);
  const auto date = in.Take<double>();
  auto year = in.Take<std::int32_t>(), month = in.Take<std::int32_t>(), day = in.Take<std::int32_t>();
  const auto leap = in.Take<std::int32_t>(), number = in.Take<std::int32_t>();
  // Half of the inputs land near the span, the rest anywhere in 32 bits.
  if (mode & 4) year = 1895 + static_cast<std::int32_t>(static_cast<std::uint32_t>(year) % 160);
  if (mode & 8) month = static_cast<std::int32_t>(static_cast<std::uint32_t>(month) % 14);
  if (mode & 16) day = static_cast<std::int32_t>(static_cast<std::uint32_t>(day) % 33);

  CheckGetLunarDate(date);
  CheckGetLunarMonthDays(year, month, leap);
  CheckGetSolarTerm(year, month, day, leap);
  CheckGetZodiac(year);
  CheckGetStemBranch(number);
  Check(liveBlocks == 0);
  return 0;
}
