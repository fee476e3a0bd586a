// The program's entry routine: device options, one copy at a time, the
// settings, the main window, the first-run font choice and the message loop.
#pragma once

#include "platform/window_handle.h"

namespace velmora::shell {

// Runs the program with the platform's show command and returns its exit
// code: 0 after the message loop ends, and 0 at once when another copy runs
// (which is handed the reader) or the main window cannot be made.
int EntryRoutine(int showCommand);

// Hands over to a running copy and returns none; otherwise becomes findable
// by later copies (none returned when it cannot), loads the settings,
// creates and shows the main window, asks for a font on the first run, and
// returns the main window (none when it cannot be made).
platform::WindowHandle StartInstance(int showCommand);

// Registers the main window's class ("Velmora", MainWindowProc, icon 101).
bool RegisterMainWindowClass();

}  // namespace velmora::shell
