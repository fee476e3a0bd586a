// One copy of the program at a time: the running copy listens; a second copy
// finds it, asks it to act, and ends.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window_handle.h"

namespace velmora::platform {

// What a second copy found the running copy's screen to look like.
enum class RunningCopyFront {
  kMainWindow,   // its main window is the foreground window
  kOwnWindow,    // one of its other windows (a dialog) is in front
  kOtherProgram  // another program (or nothing) is in front
};

struct RunningCopy;

// Looks for a running copy whose main window has `className` and `title`, on
// this copy's display and with its settings file (copies that share neither
// are independent); nullptr when there is none. Release with
// ForgetRunningCopy.
RunningCopy* FindRunningCopy(std::u16string_view className, std::u16string_view title);
void ForgetRunningCopy(RunningCopy* copy);

// Which of its windows is in front, as the running copy sees it.
RunningCopyFront RunningCopyForeground(RunningCopy* copy);

// Sends WM_COMMAND with `command` to the running copy's main window and
// waits until it has been handled (a dialog it opens has closed).
void SendCommandToRunningCopy(RunningCopy* copy, std::uint16_t command);

// Brings the running copy's main window to the front.
void BringRunningCopyToFront(RunningCopy* copy);

// Makes this copy findable as the running copy from now on, before its main
// window exists, so that a copy started while this one loads its settings or
// shows a message inside window creation finds it. False when this copy
// cannot be made findable, among others because another copy became findable
// since FindRunningCopy looked: this copy must then not run, or two copies
// would write one settings file.
bool ListenAsRunningCopy(std::u16string_view className, std::u16string_view title);

// The main window that the running copy's answers are about, once it exists.
// Until then the running copy answers as one whose dialog is in front (a
// later copy leaves it alone) and handles no command.
void SetRunningCopyWindow(WindowHandle mainWindow);

}  // namespace velmora::platform
