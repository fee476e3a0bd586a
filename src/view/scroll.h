// Moving the TextView by rows: scrolling with its limits, the main window's
// scroll bar, and paging by a tap on the view.
#pragma once

#include <cstdint>

#include "platform/window_handle.h"
#include "view/text_view.h"

namespace velmora::view {

// How a scroll ends: 0 only moves topRow, 1 also repaints (and refuses a
// move to the same row).
inline constexpr int kScrollMoveOnly = 0;
inline constexpr int kScrollAndPaint = 1;

// Moves topRow by `delta` rows (never above row 0; past rowCount to
// lastTopRow; with `limit`, or past rowCount, not at all down from
// lastTopRow or below). kViewMissing; kViewUnmoved when nothing moved;
// kViewMovedUnpainted (mode 0) or kViewUnmoved; else the paint's result.
int ScrollTextView(TextView* view, std::int32_t delta, int mode, bool limit);

// The rows one page moves for the page-step code at `fieldShift` of the
// option word (kKeyPageStepShift for keys, kTapPageStepShift for taps): half
// the rows shown for codes 2 and 4, else the rows shown less one.
std::int32_t PageStepRows(const TextView& view, int fieldShift);
// Shows lastTopRow and topRow of the program's article view on `window`'s
// vertical scroll bar, when the scroll-bar option is on.
void SyncScrollBar(platform::WindowHandle window);
// True when (px, py) lies in the view rectangle widened by SurroundingGutter
// on every side, bounds included. False without a view.
bool HitViewArea(const TextView* view, std::int32_t px, std::int32_t py);
// Pages the view back (first half) or forward (second half) for a tap at
// (px, py) when tap paging is on, then syncs `window`'s scroll bar. 1 when the
// tap was taken for the view, 0 when not.
int TapPage(platform::WindowHandle window, TextView* view, std::int32_t px, std::int32_t py,
            int mode);

}  // namespace velmora::view
