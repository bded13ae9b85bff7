// Reading the icon file: the window's own icon, and files that are no icon.
#include "runtime/icon_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/assets.h"

namespace runtime {
namespace {

using Bytes = std::vector<std::uint8_t>;

// An ICO with one entry of `width` x `height` pointing at `size` bytes from `offset`.
Bytes Ico(std::uint8_t width, std::uint8_t height, std::uint32_t size, std::uint32_t offset,
          std::size_t total) {
  Bytes b(total, 0);
  b[2] = 1;
  b[4] = 1;
  b[6] = width;
  b[7] = height;
  for (int i = 0; i < 4; ++i) {
    b[14 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    b[18 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
  }
  return b;
}

TEST(IconFile, TheWindowIconIsOne256PixelPng) {
  const auto icon = FindAsset(app::CalendarAssets(), "wnl_window_icon");
  const std::optional<IconImage> image = LargestIconImage(icon);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->width, 256);
  EXPECT_EQ(image->height, 256);
  EXPECT_TRUE(image->png);
  EXPECT_EQ(image->bytes.data() + image->bytes.size(), icon.data() + icon.size());
}

TEST(IconFile, FilesThatAreNoIconGiveNothing) {
  const struct {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"empty", {}},
      {"a cursor file", [] { Bytes b = Ico(16, 16, 4, 22, 26); b[2] = 2; return b; }()},
      {"no entries", [] { Bytes b = Ico(16, 16, 4, 22, 26); b[4] = 0; return b; }()},
      {"directory cut short", [] { Bytes b = Ico(16, 16, 4, 22, 26); b.resize(12); return b; }()},
      {"image past the end", Ico(16, 16, 5, 22, 26)},
      {"offset past the end", Ico(16, 16, 1, 0xFFFFFFF0u, 26)},
      {"empty image", Ico(16, 16, 0, 22, 26)},
  };
  for (const auto& c : cases) EXPECT_FALSE(LargestIconImage(c.bytes).has_value()) << c.what;
  const std::optional<IconImage> bitmap = LargestIconImage(Ico(16, 32, 4, 22, 26));
  ASSERT_TRUE(bitmap.has_value());
  EXPECT_EQ(bitmap->width, 16);
  EXPECT_EQ(bitmap->height, 32);
  EXPECT_FALSE(bitmap->png);
}

}  // namespace
}  // namespace runtime
