// The main window's size and place between runs: stored as "WindowPlace" at
// the orderly exit, and restored at the start when it still fits a screen.
// The stored form is REG_BINARY, four signed 32-bit little-endian values:
// left, top, width and height of the window's rectangle.
#pragma once

#include "platform/window.h"
#include "platform/window_handle.h"

namespace velmora::shell {

// Puts the stored place into `creation` when it was stored whole, has a
// positive size and lies wholly on one of the screens; otherwise `creation`
// keeps the platform's default place.
void ApplyStoredWindowPlace(platform::WindowCreation* creation);

// Stores `window`'s rectangle, unless the window covers the screen in
// full-screen mode (its place is then the screen's, not the reader's).
void StoreWindowPlace(platform::WindowHandle window);

}  // namespace velmora::shell
