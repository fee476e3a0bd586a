// The article view's, the index glyphs', the bookmarks' and the search's shares of the
// settings' start and exit.
#pragma once

namespace velmora::shell {

// Installs the shares: the glyph bitmaps loaded with the settings and
// deleted at exit, the view's top row saved as LastPosition, the view
// destroyed at exit, and the bookmarks loaded at start, saved and freed at
// exit; and the search's: the main window repainted and its Bookmark check
// mark set when a hit is shown.
void InstallShellStateShares();

}  // namespace velmora::shell
