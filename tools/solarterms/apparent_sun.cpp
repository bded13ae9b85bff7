// The Sun's apparent longitude, built on ERFA's standard models:
// - the Earth's barycentric and heliocentric position and velocity (eraEpv00, BCRS axes);
// - light-time: the Sun is seen where it was when the light left it, so its barycentric
//   position is taken at t − τ, with τ iterated from the Sun–Earth distance;
// - annual aberration from the Earth's barycentric velocity (eraAb);
// - frame bias, precession and nutation to the true equator and equinox of date, IAU
//   2006/2000A (eraPn06a);
// - the true obliquity of date (mean obliquity plus nutation in obliquity) to pass from
//   the true equator to the ecliptic of date.
// TDB is taken equal to TT: they differ by under 2 ms.
#include "tools/solarterms/apparent_sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace solarterms {
namespace {

// Seconds of light travel per au, as days.
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;

}  // namespace

double ApparentSolarLongitude(double jd1, double jd2) {
  double earth_h[2][3], earth_b[2][3];
  // Status 1 only warns that the date lies outside 1900..2100, where the model degrades
  // slowly; of the table's years only 1880..1899 lie there.
  eraEpv00(jd1, jd2, earth_h, earth_b);

  double sun[3];  // geometric Sun from the Earth, au
  double distance = 0;
  double tau = 0;
  for (int pass = 0; pass < 3; ++pass) {
    double then_h[2][3], then_b[2][3];
    eraEpv00(jd1, jd2 - tau, then_h, then_b);
    for (int i = 0; i < 3; ++i) sun[i] = (then_b[0][i] - then_h[0][i]) - earth_b[0][i];
    distance = eraPm(sun);
    tau = distance * kLightDaysPerAu;
  }

  double natural[3], velocity[3], proper[3];
  eraSxp(1 / distance, sun, natural);
  eraSxp(kLightDaysPerAu, earth_b[1], velocity);
  const double bm1 = std::sqrt(1 - eraPdp(velocity, velocity));
  eraAb(natural, velocity, distance, bm1, proper);

  double dpsi, deps, epsa, rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rbpn[3][3];
  eraPn06a(jd1, jd2, &dpsi, &deps, &epsa, rb, rp, rbp, rn, rbpn);
  double of_date[3];
  eraRxp(rbpn, proper, of_date);

  const double eps = epsa + deps;
  const double y = of_date[1] * std::cos(eps) + of_date[2] * std::sin(eps);
  const double x = of_date[0];
  return eraAnp(std::atan2(y, x));
}

}  // namespace solarterms
