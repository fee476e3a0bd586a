// The commands of the menus, the tool buttons, the accelerators and a second
// copy of the program.
#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "platform/window_handle.h"

namespace velmora::shell {

// DispatchCommand's answers.
inline constexpr int kCommandHandled = 0;
inline constexpr int kCommandNotOurs = 1;  // for the default handling

// Runs the command in the low 16 bits of `wParam` for the main window
// `window`. kCommandHandled for one of the program's commands (even when it
// did nothing), kCommandNotOurs otherwise.
int DispatchCommand(platform::WindowHandle window, platform::WParam wParam);

}  // namespace velmora::shell
