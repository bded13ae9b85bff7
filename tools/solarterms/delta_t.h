// ΔT = TT − UT, the clock difference that turns an astronomical moment into civil time.
#pragma once

namespace solarterms {

// ΔT in seconds at a decimal Gregorian year (2000.0 is the start of 2000).
double DeltaT(double year);

}  // namespace solarterms
