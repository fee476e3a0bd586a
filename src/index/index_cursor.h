// The keyboard cursor of the IndexView: which entry it is on, how the keys
// move it over the visible entries, and the list scrolled to keep it shown.
// An entry is the run of rows that carry the same id word.
#pragma once

#include <cstdint>

#include "index/index_view.h"

namespace velmora::index {

enum class CursorMove { kUp, kDown, kPageUp, kPageDown, kHome, kEnd };

// Puts the cursor on the first row of `article` (the row UncoverArticle
// uncovers, or its Bookmarks copy), else on the first visible row. No
// cursor without rows.
void PlaceIndexCursor(IndexView* view, std::uint16_t article);

// Moves the cursor: Up and Down to the next visible entry, the page moves by
// the rows the last paint drew, Home and End to the first and last visible
// entry; a cursor left on a row that a collapse hid first goes to the entry
// above it. Then scrolls as little as keeps the cursor's entry in sight, and
// paints with erase. Nothing without a cursor.
void MoveIndexCursor(IndexView* view, CursorMove move);

// The cursor's place by entry count from the top, so that it survives a new
// layout (which renumbers the rows); -1 without a cursor.
std::int32_t CursorEntryIndex(const IndexView& view);
// Puts the cursor on entry `entry` of the table (none for -1 or past the
// end).
void SetCursorEntryIndex(IndexView* view, std::int32_t entry);

}  // namespace velmora::index
