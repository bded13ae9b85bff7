// Where the Sun appears from the Earth's centre.
#pragma once

namespace solarterms {

// Apparent geocentric ecliptic longitude of the Sun, in radians 0..2π, referred to the
// true equinox and ecliptic of date, at the Terrestrial Time jd1 + jd2 (a Julian Date
// split in two parts for precision).
double ApparentSolarLongitude(double jd1, double jd2);

}  // namespace solarterms
