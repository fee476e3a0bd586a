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

// Each returns nullptr (or empty) when the program has no such resource.
const platform::MenuTemplate* FindMenuTemplate(std::uint16_t id);
const platform::MenuBarTemplate* FindMenuBarTemplate(std::uint16_t id);
std::u16string_view FindStringResource(std::uint16_t id);
std::span<const platform::Accelerator> FindAcceleratorTable(std::uint16_t id);
const platform::DialogTemplate* FindDialogTemplate(std::uint16_t id);

// The bitmaps and the icon, drawn for this program (device-independent
// bitmaps as platform/common/bitmap_resource.h reads them).
std::span<const platform::ResourceEntry> ImageResources();

}  // namespace velmora::resources
