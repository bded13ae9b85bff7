// Reading an icon file (ICO): the directory of its images, each a PNG or a device-
// independent bitmap. The window icon holds one 256 x 256 PNG; a backend that wants the
// picture takes the largest image and scales it to the sizes it needs.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace runtime {

struct IconImage {
  std::int32_t width = 0;  // pixels; a stored 0 means 256
  std::int32_t height = 0;
  std::span<const std::uint8_t> bytes;  // the image, inside the file
  bool png = false;
};

// The largest image of the file; none when the file is no icon or its directory points
// outside the bytes.
std::optional<IconImage> LargestIconImage(std::span<const std::uint8_t> file);

}  // namespace runtime
