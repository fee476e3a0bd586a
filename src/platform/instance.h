// One copy of the program at a time: the running copy listens; a second copy
// finds it, asks it to act, and ends.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window_handle.h"

namespace velmora::platform {

// What a second copy found the running copy's screen to look like.
enum class RunningCopyFront {
  kMainWindow,  // its main window is the foreground window
  kOwnWindow,   // one of its other windows (a dialog) is in front
  kOtherProgram // another program (or nothing) is in front
};

struct RunningCopy;

// Looks for a running copy whose main window has `className` and `title`;
// nullptr when there is none. Release with ForgetRunningCopy.
RunningCopy* FindRunningCopy(std::u16string_view className, std::u16string_view title);
void ForgetRunningCopy(RunningCopy* copy);

// Which of its windows is in front, as the running copy sees it.
RunningCopyFront RunningCopyForeground(RunningCopy* copy);

// Sends WM_COMMAND with `command` to the running copy's main window and
// waits until it has been handled (a dialog it opens has closed).
void SendCommandToRunningCopy(RunningCopy* copy, std::uint16_t command);

// Brings the running copy's main window to the front.
void BringRunningCopyToFront(RunningCopy* copy);

// Makes this copy findable as the running copy with `mainWindow` (called
// once the main window exists).
void ListenAsRunningCopy(WindowHandle mainWindow, std::u16string_view className,
                         std::u16string_view title);

}  // namespace velmora::platform
