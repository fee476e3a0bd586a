// The headless surface's objects. Shared by the surface, bitmap and window
// parts of the headless platform; nothing outside it looks inside.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/common/drawing_state.h"
#include "platform/headless/headless.h"
#include "platform/surface.h"

namespace velmora::platform {

struct Font {
  FontDescription description;
  std::int32_t cellHeight = 0;
};

struct Bitmap {
  std::uint16_t id = 0;
  Size size;
};

struct Surface : DrawingState {
  Size size;
  std::vector<headless::DrawCall> calls;
  long fitTextCalls = 0;
  long textExtentCalls = 0;
};

namespace headless {

// A surface of `size` in its start state.
Surface* NewSurface(Size size);
void DeleteSurface(Surface* surface);
// A drawing call of `kind` carrying the surface's current state.
DrawCall StateCall(const Surface& surface, DrawKind kind);

}  // namespace headless
}  // namespace velmora::platform
