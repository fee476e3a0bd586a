// Facts about the running program that the platform knows.
#pragma once

#include <string>

namespace velmora::platform {

// The full path of the program's file, at most 260 UTF-16 units; empty when
// the platform cannot tell.
std::u16string ModuleFileName();

}  // namespace velmora::platform
