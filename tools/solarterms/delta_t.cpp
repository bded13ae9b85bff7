// ΔT model for 1880..2079: observed values up to the last whole year measured, a published
// extrapolation after it.
//
// Sources of the numbers below (they are the only numbers in the generator taken from
// elsewhere):
// - 1880..1972, every second year: the values tabulated by J. Meeus, Astronomical
//   Algorithms, 2nd ed. (1998), Table 10.A, from the historical series of Stephenson and
//   Morrison as printed in the Astronomical Almanac.
// - 1973..2025, every 1 January: IERS Earth Orientation Centre / U.S. Naval Observatory
//   determinations, ΔT = 32.184 s + (TAI − UTC) − (UT1 − UTC), rounded to 0.01 s.
// - After 2025: F. Espenak and J. Meeus, Five Millennium Canon of Solar Eclipses
//   (NASA/TP-2006-214141), polynomial expressions for 2005..2050 and 2050..2150. Their
//   2005..2050 curve stands about 5 s above the measured 2025 value; that offset is carried
//   over at the join and fades out linearly by 2050, where both of their curves meet.
// Between tabulated years ΔT is interpolated linearly. Every second of error in ΔT is a
// second of error in a term's civil moment.
#include "tools/solarterms/delta_t.h"

#include <cstddef>
#include <iterator>

namespace solarterms {
namespace {

struct Observation {
  double year, seconds;
};

constexpr Observation kObserved[] = {
    {1880, -5.4}, {1882, -5.2}, {1884, -5.5}, {1886, -5.6}, {1888, -5.8}, {1890, -5.9},
    {1892, -6.2}, {1894, -6.4}, {1896, -6.1}, {1898, -4.7}, {1900, -2.7}, {1902, 0.0},
    {1904, 2.6},  {1906, 5.4},  {1908, 7.7},  {1910, 10.5}, {1912, 13.4}, {1914, 16.0},
    {1916, 18.2}, {1918, 20.2}, {1920, 21.2}, {1922, 22.4}, {1924, 23.5}, {1926, 23.9},
    {1928, 24.3}, {1930, 24.0}, {1932, 23.9}, {1934, 23.9}, {1936, 23.7}, {1938, 24.0},
    {1940, 24.3}, {1942, 25.3}, {1944, 26.2}, {1946, 27.3}, {1948, 28.2}, {1950, 29.1},
    {1952, 30.0}, {1954, 30.7}, {1956, 31.4}, {1958, 32.2}, {1960, 33.1}, {1962, 34.0},
    {1964, 35.0}, {1966, 36.5}, {1968, 38.3}, {1970, 40.2}, {1972, 42.2},
    {1973, 43.47}, {1974, 44.48}, {1975, 45.48}, {1976, 46.46}, {1977, 47.52},
    {1978, 48.53}, {1979, 49.59}, {1980, 50.54}, {1981, 51.38}, {1982, 52.17},
    {1983, 52.96}, {1984, 53.79}, {1985, 54.34}, {1986, 54.87}, {1987, 55.32},
    {1988, 55.82}, {1989, 56.30}, {1990, 56.86}, {1991, 57.57}, {1992, 58.31},
    {1993, 59.12}, {1994, 59.98}, {1995, 60.79}, {1996, 61.63}, {1997, 62.30},
    {1998, 62.97}, {1999, 63.47}, {2000, 63.83}, {2001, 64.09}, {2002, 64.30},
    {2003, 64.47}, {2004, 64.57}, {2005, 64.69}, {2006, 64.85}, {2007, 65.15},
    {2008, 65.46}, {2009, 65.78}, {2010, 66.07}, {2011, 66.32}, {2012, 66.60},
    {2013, 66.91}, {2014, 67.28}, {2015, 67.64}, {2016, 68.10}, {2017, 68.59},
    {2018, 68.97}, {2019, 69.22}, {2020, 69.36}, {2021, 69.36}, {2022, 69.29},
    {2023, 69.20}, {2024, 69.17}, {2025, 69.14},
};

constexpr std::size_t kCount = std::size(kObserved);
constexpr double kLastObserved = kObserved[kCount - 1].year;
constexpr double kFadeEnd = 2050;

double EspenakMeeus2005To2050(double year) {
  const double t = year - 2000;
  return 62.92 + 0.32217 * t + 0.005589 * t * t;
}

double EspenakMeeus2050To2150(double year) {
  const double u = (year - 1820) / 100;
  return -20 + 32 * u * u - 0.5628 * (2150 - year);
}

double Interpolated(double year) {
  std::size_t i = 1;
  while (i + 1 < kCount && kObserved[i].year < year) ++i;
  const Observation& a = kObserved[i - 1];
  const Observation& b = kObserved[i];
  return a.seconds + (b.seconds - a.seconds) * (year - a.year) / (b.year - a.year);
}

}  // namespace

double DeltaT(double year) {
  if (year <= kLastObserved) return Interpolated(year);
  if (year >= kFadeEnd) return EspenakMeeus2050To2150(year);
  const double offset =
      kObserved[kCount - 1].seconds - EspenakMeeus2005To2050(kLastObserved);
  return EspenakMeeus2005To2050(year) +
         offset * (kFadeEnd - year) / (kFadeEnd - kLastObserved);
}

}  // namespace solarterms
