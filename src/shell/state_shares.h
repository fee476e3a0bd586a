// The article view's, the index glyphs' and the bookmarks' shares of the
// settings' start and exit.
#pragma once

namespace velmora::shell {

// Installs the shares: the glyph bitmaps loaded with the settings and
// deleted at exit, the view's top row saved as LastPosition, the view
// destroyed at exit, and the bookmarks loaded at start, saved and freed at
// exit.
void InstallShellStateShares();

}  // namespace velmora::shell
