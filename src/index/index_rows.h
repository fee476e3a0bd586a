// Which rows of an IndexView are visible, as the Choose Article dialog
// changes it: uncovering the current article, revealing an entry, toggling a
// heading, carrying the expansion across a new layout, and the hit test that
// chooses an article or toggles a heading. Every operation does nothing
// (returns 0 or none) for a view without buffer or table.
#pragma once

#include <cstdint>

#include "index/index_view.h"
#include "platform/memory.h"

namespace velmora::index {

// HitTestIndex's answer for a tap below the last row that fits.
inline constexpr std::int32_t kHitBelowRows = static_cast<std::int32_t>(0x80000000u);

// One visible entry of a list: its id word and whether its row was expanded
// (kRowExpanded or 0).
struct ExpansionPair {
  std::uint16_t id = 0;
  std::uint16_t expanded = 0;
};
// The visible entries in list order, ended by an id word of 0.
using ExpansionState = platform::HeapPtr<ExpansionPair[]>;

// Makes the first row of `article` (number bits equal, not a heading)
// visible with the rest of its entry and the entry after it, and every row
// above it that encloses it (smaller indent). Nothing for article 0, or when
// that row is visible already (a bookmarked article's copy heads the list).
void UncoverArticle(IndexView* view, std::uint16_t article);

// Shows the hidden rows of the entry at `row`, walking by `step` (+1 or -1)
// while the id word stays that of `row`; a heading row shown shows collapsed.
void RevealEntry(IndexView* view, std::int32_t row, std::int32_t step);

// Flips the expanded bit of heading row `row`, then shows the rows one level
// below it (expanding) or hides every row down to the next row no deeper
// than the heading (collapsing), and paints. Returns -(the heading's number).
std::int32_t ToggleHeading(IndexView* view, std::int32_t row);

// A tap at (px, py), the list's edges inside: the article number for a tap
// anywhere across an article row; a heading's negated number after a tap
// anywhere across its row toggled it; kHitBelowRows below the rows that fit;
// 0 outside the list.
std::int32_t HitTestIndex(IndexView* view, std::int32_t px, std::int32_t py);

// The visible entries with their expanded bits, from AllocOrAbort; none when
// no row is visible or the heap is dry.
ExpansionState SaveExpansion(const IndexView* view);
// Sets again, on the rows of each recorded entry, the visible bit and the
// recorded expanded bit, searching forward from the last entry found; bits
// set by the layout stay set. Then recomputes lastTopRow.
void RestoreExpansion(IndexView* view, const ExpansionPair* state);

}  // namespace velmora::index
