// Bitmap and icon resources as toolkit images: the class icon, static
// pictures in dialogs and the images of tool buttons.
#pragma once

#include <QIcon>
#include <QImage>

#include <cstdint>
#include <vector>

#include "platform/resources.h"

namespace velmora::platform {

// What the resource's background colour becomes.
enum class ImageBackground { kKept, kTransparent };

// Resource `id` of `type` (a bitmap or the icon) as an image; a null image
// when the program has no such resource or it is no bitmap.
QImage ResourceImage(ResourceType type, std::uint16_t id, ImageBackground background);

// `count` square images of `size` pixels, side by side in bitmap resource
// `bitmapId`, the background showing the bar behind. Each image is enlarged
// pixel by pixel for dense screens, so it stays sharp. Empty when the bitmap
// is missing or too small.
std::vector<QIcon> ToolImages(std::uint16_t bitmapId, int count, int size);

}  // namespace velmora::platform
