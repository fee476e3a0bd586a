// The six tool buttons that follow the menu on either bar, with their
// tooltips.
#pragma once

#include <span>
#include <string_view>

#include "platform/menu.h"

namespace velmora::resources {

// The buttons, one per image of the toolbar bitmap, in bar order.
std::span<const platform::ToolButton> ToolbarButtons();
// The tooltip list handed to the bar: an empty first entry, then one text per
// button in bar order.
std::span<const std::u16string_view> ToolbarTips();

}  // namespace velmora::resources
