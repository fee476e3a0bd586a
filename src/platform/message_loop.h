// The message loop's end.
#pragma once

namespace velmora::platform {

// Asks the message loop to end with `exitCode` once the current message has
// been handled.
void PostQuitMessage(int exitCode);

}  // namespace velmora::platform
