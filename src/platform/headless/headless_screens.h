// Test control of the headless screens. Only tests include this header.
#pragma once

#include <vector>

#include "platform/surface.h"

namespace velmora::platform::headless {

// The usable areas of the screens FitsAScreen knows; one 1024 x 768 screen at
// the origin until set, and again after ResetScreens.
void SetScreens(std::vector<Rect> screens);
void ResetScreens();

}  // namespace velmora::platform::headless
