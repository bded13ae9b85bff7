#include "runtime/icon_file.h"

#include <algorithm>
#include <iterator>

namespace runtime {
namespace {

std::uint32_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | static_cast<std::uint32_t>(b[at + 1]) << 8;
}

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
  return Le16(b, at) | Le16(b, at + 2) << 16;
}

constexpr std::size_t kHeader = 6;
constexpr std::size_t kEntry = 16;
constexpr std::uint8_t kPngMagic[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

}  // namespace

std::optional<IconImage> LargestIconImage(std::span<const std::uint8_t> file) {
  if (file.size() < kHeader || Le16(file, 0) != 0 || Le16(file, 2) != 1) return std::nullopt;
  const std::size_t count = Le16(file, 4);
  if (count == 0 || file.size() < kHeader + count * kEntry) return std::nullopt;
  std::optional<IconImage> best;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kHeader + i * kEntry;
    const std::size_t size = Le32(file, entry + 8);
    const std::size_t offset = Le32(file, entry + 12);
    if (size == 0 || offset > file.size() || size > file.size() - offset) return std::nullopt;
    IconImage image;
    image.width = file[entry] == 0 ? 256 : file[entry];
    image.height = file[entry + 1] == 0 ? 256 : file[entry + 1];
    image.bytes = file.subspan(offset, size);
    image.png = size >= sizeof kPngMagic &&
                std::equal(std::begin(kPngMagic), std::end(kPngMagic), image.bytes.begin());
    if (!best || image.width * image.height > best->width * best->height) best = image;
  }
  return best;
}

}  // namespace runtime
