#include <QPainter>

#include <algorithm>

#include "platform/common/bitmap_resource.h"
#include "platform/qt/surface_objects.h"

namespace velmora::platform {

Bitmap* LoadBitmap(std::uint16_t id) {
  const auto decoded = LoadBitmapResource(id);
  if (!decoded) return nullptr;
  QImage image(decoded->width, decoded->height, QImage::Format_RGB32);
  for (int y = 0; y < decoded->height; ++y) {
    for (int x = 0; x < decoded->width; ++x) {
      image.setPixelColor(x, y, ToQColor(decoded->pixels[y * decoded->width + x]));
    }
  }
  return new Bitmap{image};
}

void DeleteBitmap(Bitmap* bitmap) { delete bitmap; }

Size BitmapSize(Bitmap* bitmap) {
  return bitmap == nullptr ? Size{} : Size{bitmap->image.width(), bitmap->image.height()};
}

void DrawBitmap(Surface* surface, Bitmap* bitmap, std::int32_t x, std::int32_t y, Size size) {
  if (bitmap == nullptr || size.width <= 0 || size.height <= 0) return;
  const QRect source(0, 0, std::min(size.width, bitmap->image.width()),
                     std::min(size.height, bitmap->image.height()));
  QPainter painter(&surface->image);
  painter.drawImage(QRect(x, y, size.width, size.height), bitmap->image, source);
  painter.end();
  if (surface->shownIn) surface->shownIn->update();
}

}  // namespace velmora::platform
