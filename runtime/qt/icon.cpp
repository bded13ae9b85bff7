#include "runtime/qt/icon.h"

#include <QPixmap>

#include "runtime/icon_file.h"

namespace runtime::qt {

QIcon IconFromFile(std::span<const std::uint8_t> ico) {
  const std::optional<IconImage> image = LargestIconImage(ico);
  if (!image) return {};
  QPixmap picture;
  const auto load = [&picture](std::span<const std::uint8_t> bytes, const char* format) {
    return picture.loadFromData(bytes.data(), static_cast<uint>(bytes.size()), format);
  };
  if (!(image->png ? load(image->bytes, "PNG") : load(ico, "ICO"))) return {};
  QIcon icon(picture);
  // The small and the large window icon; other sizes Qt scales when asked.
  for (int size : {16, 32}) {
    if (size < picture.width()) {
      icon.addPixmap(picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
  }
  return icon;
}

}  // namespace runtime::qt
