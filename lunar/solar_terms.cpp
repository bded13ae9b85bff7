// Placeholder until the generated table lands: no day begins a term.
#include "lunar/solar_terms.h"

namespace lunar {

std::uint16_t SolarTermOn(std::uint16_t, std::uint16_t, std::uint16_t) { return 0; }

void SolarTermName(std::int32_t, char* buffer) { buffer[0] = '\0'; }

}  // namespace lunar
