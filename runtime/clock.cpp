#include "runtime/clock.h"

#include <cmath>
#include <ctime>
#include <optional>

namespace runtime {
namespace {

std::optional<DateValue> g_fixed_now;

DateValue WholeSeconds(DateValue date) { return std::floor(date * 86400.0 + 1e-6) / 86400.0; }

DateValue SystemNow() {
  const std::time_t now = std::time(nullptr);
  // Only the user-interface thread asks the clock, so localtime's shared result is safe.
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) return kFirstDateValue;
  return MakeDateValue(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour,
                       local->tm_min, local->tm_sec);
}

}  // namespace

DateValue CurrentDateTime() { return g_fixed_now ? *g_fixed_now : SystemNow(); }

void FixClock(DateValue now) { g_fixed_now = WholeSeconds(now); }

void UseSystemClock() { g_fixed_now.reset(); }

}  // namespace runtime
