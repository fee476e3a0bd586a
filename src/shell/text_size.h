// Stepping the text size from the keyboard and the wheel, through the sizes
// the font dialog offers.
#pragma once

#include <cstdint>

#include "platform/window_handle.h"

namespace velmora::shell {

// The size one step up (`direction` > 0) or down from `size` in the font
// dialog's size table: the next larger or smaller table value. `size` itself
// when there is none (the ends of the table).
std::int32_t SteppedTextSize(std::int32_t size, int direction);

// Steps the FontSettings size one step, lays the article out at once in it,
// keeping the line at the top, and updates `window`'s scroll bar. Nothing at
// the ends of the table. True when the size changed.
bool StepTextSize(platform::WindowHandle window, int direction);

}  // namespace velmora::shell
