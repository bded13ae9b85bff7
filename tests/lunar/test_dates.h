// Solar and lunar date triples for the conversion tests, comparable and printable.
#pragma once

#include <cstdint>
#include <ostream>

namespace lunar {

struct Solar {
  std::uint16_t year, month, day;
  bool operator==(const Solar&) const = default;
};

struct Lunar {
  std::uint16_t year, month, day;
  std::uint8_t leap;
  bool operator==(const Lunar&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Solar& d) {
  return os << d.year << "-" << d.month << "-" << d.day;
}
inline std::ostream& operator<<(std::ostream& os, const Lunar& d) {
  return os << d.year << "-" << d.month << "-" << d.day << (d.leap ? " leap" : "");
}

}  // namespace lunar
