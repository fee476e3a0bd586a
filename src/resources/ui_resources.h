// The user interface's resources as typed data: menus, the menu bar, string
// resources, accelerator tables and dialog templates. Bitmaps and the icon
// are byte resources (platform::FindResource, ResourceType::kBitmap/kIcon).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/dialog.h"
#include "platform/menu.h"
#include "platform/resources.h"

namespace velmora::resources {

// The bitmaps and the icon, drawn for this program (device-independent
// bitmaps as platform/bitmap_format.h).
std::span<const platform::ResourceEntry> ImageResources();

}  // namespace velmora::resources
