#include "platform/common/bitmap_resource.h"
#include "platform/resources.h"

namespace velmora::platform {

std::optional<DecodedBitmap> LoadBitmapResource(std::uint16_t id) {
  const auto data = FindResource(ResourceType::kBitmap, id);
  if (!data) return std::nullopt;
  return DecodeBitmapResource(*data);
}

}  // namespace velmora::platform
