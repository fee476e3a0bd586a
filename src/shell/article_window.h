// The article view inside the main window: its geometry (bar and
// SurroundingGutter left free), its creation with the current article, its
// size changes and its painting.
#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window_handle.h"

namespace velmora::shell {

// PaintMain's flags: bit 0 paints the view, bit 8 fills its rectangle first.
inline constexpr std::uint32_t kPaintView = 0x001;
inline constexpr std::uint32_t kPaintFill = 0x100;
// What every caller passes.
inline constexpr std::uint32_t kPaintAll = 0x1FF;

// The initial line capacity of the article view.
inline constexpr std::uint16_t kArticleViewCapacity = 100;

// Creates the article view on `window`'s surface in the client area less the
// bar and SurroundingGutter, and shows CurrentArticle at LastPosition. When
// the article cannot be loaded, shows "Resource not found" and leaves the
// view empty. Without memory for the view, the window goes on without one.
void CreateArticleView(platform::WindowHandle window);

// Follows a size change (`packedSize`: width in the low 16 bits, height in the
// high 16 bits): the view, at its place, takes the new size less the bar and
// the gutters, and is laid out again when that size differs.
void ResizeArticleView(platform::WindowHandle window, platform::LParam packedSize);

// Hands the FontSettings to the view, which is laid out again in them and
// repainted with the line that was at the top still at the top, and brings
// `window`'s scroll bar to the new rows.
void ApplyFontSettings(platform::WindowHandle window);

// Paints as `flags` say. With no `surface` given, painting is begun and ended
// here (WM_PAINT); a surface given only skips that. The view paints through
// its own surface.
void PaintMain(platform::Surface* surface, platform::WindowHandle window, std::uint32_t flags);

// Paints `window` (none: the main window) at once, outside WM_PAINT, then
// updates its scroll bar.
void RepaintNow(platform::WindowHandle window, std::uint32_t flags);

}  // namespace velmora::shell
