// The program's stored assets (the window icon, the sound track), found by the names
// the window definitions give them. The bytes live as long as the program.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace runtime {

struct Asset {
  const char* name;
  std::span<const std::uint8_t> bytes;
};

// The bytes of the asset called `name`, or none.
inline std::span<const std::uint8_t> FindAsset(std::span<const Asset> assets, std::string_view name) {
  for (const Asset& asset : assets) {
    if (asset.name != nullptr && name == asset.name) return asset.bytes;
  }
  return {};
}

}  // namespace runtime
