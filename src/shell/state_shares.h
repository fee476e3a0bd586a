// The article view's and the index glyphs' shares of the settings' start and
// exit.
#pragma once

namespace velmora::shell {

// Installs the shares: the glyph bitmaps loaded with the settings and
// deleted at exit, the view's top row saved as LastPosition, and the view
// destroyed at exit.
void InstallShellStateShares();

}  // namespace velmora::shell
