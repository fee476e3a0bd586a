#include "platform/common/bitmap_resource.h"
#include "platform/headless/surface_objects.h"

namespace velmora::platform {

Bitmap* LoadBitmap(std::uint16_t id) {
  const auto decoded = LoadBitmapResource(id);
  if (!decoded) return nullptr;
  return new Bitmap{id, {decoded->width, decoded->height}};
}

void DeleteBitmap(Bitmap* bitmap) { delete bitmap; }

Size BitmapSize(Bitmap* bitmap) { return bitmap == nullptr ? Size{} : bitmap->size; }

void DrawBitmap(Surface* surface, Bitmap* bitmap, std::int32_t x, std::int32_t y, Size size) {
  if (bitmap == nullptr) return;
  headless::DrawCall call = headless::StateCall(*surface, headless::DrawKind::kBitmap);
  call.box = {x, y, x + size.width, y + size.height};
  call.x = x;
  call.y = y;
  call.bitmapId = bitmap->id;
  surface->calls.push_back(std::move(call));
}

}  // namespace velmora::platform
