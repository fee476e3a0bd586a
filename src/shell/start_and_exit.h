// The program's state at start and exit: the settings with the index glyphs
// and the bookmarks loaded beside them, and everything written back and
// released at the end.
#pragma once

namespace velmora::shell {

// Loads the program's values into appState in the stored order ("Program
// Path" first, then the values), then the index glyphs and the bookmarks.
// Installs SaveSettingsAndQuit as the out-of-memory handler, so that from
// here on a failed AllocOrAbort ends the program in order.
void LoadSettings();

// Deletes the glyphs, writes the state back (the article view's top row as
// "LastPosition", the main window's place as "WindowPlace"), destroys the
// article view, saves and frees the
// bookmarks, and posts the quit message (exit code 0).
// The state is written only by the first run in a process, and only after a
// LoadSettings that finished without running out of memory: a load cut short
// (or never run) leaves every stored value, "Bookmarks" included, as it was.
// A later run (the window destroyed after an out-of-memory exit) only deletes
// the glyphs and destroys the view if they are held again, and posts the quit
// message again; a run started while one is under way (an allocation failing
// inside it) does nothing.
void SaveSettingsAndQuit();

// Releases the glyphs and the bookmarks that LoadSettings loaded, writing
// nothing: for a start that ends before its main window exists.
void ReleaseLoadedSettings();

}  // namespace velmora::shell
