// Painting the TextView: its lines from the top row and the search highlight
// over them. Painting never measures line breaks again.
#pragma once

#include <cstdint>

#include "view/text_view.h"

namespace velmora::view {

// Draws the whole rows that fit from topRow (topRow beyond rowCount falls
// back to lastTopRow), after a white fill of the view when `fill` is set, and
// counts them in rowsPainted. kViewMissing without view, text or table; else
// kViewDone, or the result of PaintHighlight when a highlight is set.
int PaintTextView(TextView* view, bool fill);
// Draws the highlighted stored bytes of the visible lines in blue on yellow.
// kViewMissing without view, text or table; else kViewDone.
int PaintHighlight(TextView* view);
// Draws the part of the run `run[0..count)` (a position in the view's text,
// drawn at x, y) that lies inside [highlightStart, highlightEnd).
void PaintHighlightRun(TextView* view, const std::uint8_t* run, std::int32_t count, std::int32_t x,
                       std::int32_t y);

}  // namespace velmora::view
