// The screens the windows can be placed on.
#pragma once

#include "platform/surface.h"

namespace velmora::platform {

// True when `place` (a top-level window's rectangle, as GetWindowRect gives
// it) lies wholly inside the usable area of one screen.
bool FitsAScreen(const Rect& place);

}  // namespace velmora::platform
