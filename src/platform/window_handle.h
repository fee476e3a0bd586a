// Opaque handles of the platform's objects. The core passes them around and
// hands them back to the platform; it never looks inside.
#pragma once

namespace velmora::platform {

struct Window;
using WindowHandle = Window*;

}  // namespace velmora::platform
