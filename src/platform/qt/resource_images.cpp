#include "platform/qt/resource_images.h"

#include <QPixmap>

#include "platform/bitmap_format.h"
#include "platform/common/bitmap_resource.h"
#include "platform/qt/surface_objects.h"

namespace velmora::platform {
namespace {

// Whole-pixel enlargements offered to the toolkit, which picks the one for
// the screen's density.
constexpr int kLargestScale = 3;

}  // namespace

QImage ResourceImage(ResourceType type, std::uint16_t id, ImageBackground background) {
  const auto data = FindResource(type, id);
  if (!data) return {};
  const auto decoded = DecodeBitmapResource(*data);
  if (!decoded) return {};
  const bool transparent = background == ImageBackground::kTransparent;
  QImage image(decoded->width, decoded->height,
               transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < decoded->height; ++y) {
    for (int x = 0; x < decoded->width; ++x) {
      const Colour colour = decoded->pixels[y * decoded->width + x];
      image.setPixelColor(x, y,
                          transparent && colour == platform::bitmap_format::kImageBackgroundColour
                              ? QColor(Qt::transparent)
                              : ToQColor(colour));
    }
  }
  return image;
}

std::vector<QIcon> ToolImages(std::uint16_t bitmapId, int count, int size) {
  const QImage strip =
      ResourceImage(ResourceType::kBitmap, bitmapId, ImageBackground::kTransparent);
  if (strip.isNull() || count <= 0 || size <= 0 || strip.width() < count * size ||
      strip.height() < size) {
    return {};
  }
  std::vector<QIcon> images;
  for (int i = 0; i < count; ++i) {
    const QImage image = strip.copy(i * size, 0, size, size);
    QIcon icon;
    for (int scale = 1; scale <= kLargestScale; ++scale) {
      QPixmap pixmap = QPixmap::fromImage(
          image.scaled(size * scale, size * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
      pixmap.setDevicePixelRatio(scale);
      icon.addPixmap(pixmap);
    }
    images.push_back(icon);
  }
  return images;
}

}  // namespace velmora::platform
