// The program's start on the desktop: the toolkit's application around the
// entry routine.
#pragma once

namespace velmora::platform::qt {

// Makes the application (named for the desktop and its session; it is given
// the program's name alone, never the rest of the command line), arranges
// that SIGTERM, SIGINT, SIGHUP and the end of the desktop session close the
// main window as its close button would (so its state is saved), runs
// `entryRoutine` with the show command of a normal window and returns its
// result.
int RunQtProgram(int argc, char** argv, int (*entryRoutine)(int showCommand));

}  // namespace velmora::platform::qt
