#include "index/index_cursor.h"

#include <algorithm>

#include "book/book_format.h"
#include "index/index_internal.h"

namespace velmora::index {
namespace {

bool HasRows(const IndexView& view) { return view.lines && view.lineCount != 0; }

std::uint32_t EntryStart(const IndexView& view, std::uint32_t row) {
  while (row > 0 && view.lines[row - 1].id == view.lines[row].id) --row;
  return row;
}

// The last row of the entry that begins at `start`.
std::uint32_t EntryLast(const IndexView& view, std::uint32_t start) {
  std::uint32_t row = start;
  while (view.lines[row + 1].flags != 0 && view.lines[row + 1].id == view.lines[start].id) ++row;
  return row;
}

// Visible rows above `row`.
std::uint32_t VisibleOrdinal(const IndexView& view, std::uint32_t row) {
  std::uint32_t count = 0;
  for (std::uint32_t index = 0; index < row; ++index) {
    if (IsVisibleRow(view.lines[index])) ++count;
  }
  return count;
}

// The row that is visible row `ordinal`; the last visible row past them all.
std::uint32_t RowOfOrdinal(const IndexView& view, std::uint32_t ordinal) {
  std::uint32_t last = 0;
  std::uint32_t count = 0;
  for (std::uint32_t index = 0; view.lines[index].flags != 0; ++index) {
    if (!IsVisibleRow(view.lines[index])) continue;
    if (count++ == ordinal) return index;
    last = index;
  }
  return last;
}

// A cursor on a hidden row moves to the nearest visible entry above it, or
// the first visible one.
void KeepCursorVisible(IndexView* view) {
  std::uint32_t row = view->cursorRow;
  if (IsVisibleRow(view->lines[row])) return;
  while (row > 0 && !IsVisibleRow(view->lines[row])) --row;
  if (!IsVisibleRow(view->lines[row])) row = RowOfOrdinal(*view, 0);
  view->cursorRow = static_cast<std::uint16_t>(EntryStart(*view, row));
}

// The least scroll that shows the cursor's entry whole (its start, when it
// is higher than the list).
void ScrollToCursor(IndexView* view) {
  const std::uint32_t first = VisibleOrdinal(*view, view->cursorRow);
  const std::uint32_t lastRow = EntryLast(*view, view->cursorRow);
  if (first < view->topRow) {
    view->topRow = static_cast<std::uint16_t>(first);
    return;
  }
  // Fill the list upward from the entry's last row.
  std::int32_t room = view->height;
  std::uint32_t top = VisibleOrdinal(*view, lastRow) + 1;
  for (std::uint32_t index = lastRow + 1; index-- > 0;) {
    const IndexLine& row = view->lines[index];
    if (!IsVisibleRow(row)) continue;
    if (room < row.rowHeight) break;
    room -= row.rowHeight;
    --top;
  }
  top = std::min(top, first);
  if (top > view->topRow) view->topRow = static_cast<std::uint16_t>(top);
}

}  // namespace

void PlaceIndexCursor(IndexView* view, std::uint16_t article) {
  if (view == nullptr || !HasRows(*view)) return;
  view->hasCursor = true;
  view->cursorRow = static_cast<std::uint16_t>(RowOfOrdinal(*view, 0));
  for (std::uint32_t index = 0; article != 0 && view->lines[index].flags != 0; ++index) {
    const IndexLine& row = view->lines[index];
    if (!IsHeadingRow(row) && (row.id & book::kIdNumber) == article) {
      view->cursorRow = static_cast<std::uint16_t>(index);
      break;
    }
  }
}

void MoveIndexCursor(IndexView* view, CursorMove move) {
  if (view == nullptr || !view->hasCursor || !HasRows(*view) || view->visibleRows == 0) return;
  KeepCursorVisible(view);
  const auto first = static_cast<std::int64_t>(VisibleOrdinal(*view, view->cursorRow));
  const auto last =
      static_cast<std::int64_t>(VisibleOrdinal(*view, EntryLast(*view, view->cursorRow)));
  const std::int64_t page = std::max(view->rowsPainted, 1);
  std::int64_t target = first;
  switch (move) {
    case CursorMove::kUp:
      target = first - 1;
      break;
    case CursorMove::kDown:
      target = last + 1;
      break;
    case CursorMove::kPageUp:
      target = first - page;
      break;
    case CursorMove::kPageDown:
      target = first + page;
      break;
    case CursorMove::kHome:
      target = 0;
      break;
    case CursorMove::kEnd:
      target = view->visibleRows - 1;
      break;
  }
  target = std::clamp<std::int64_t>(target, 0, view->visibleRows - 1);
  const std::uint32_t row = RowOfOrdinal(*view, static_cast<std::uint32_t>(target));
  view->cursorRow = static_cast<std::uint16_t>(EntryStart(*view, row));
  ScrollToCursor(view);
  view->topRow = std::min(view->topRow, view->lastTopRow);
  PaintIndexView(view, true);
}

std::int32_t CursorEntryIndex(const IndexView& view) {
  if (!view.hasCursor || !HasRows(view)) return -1;
  std::int32_t entry = 0;
  for (std::uint32_t index = 1; index <= view.cursorRow; ++index) {
    if (view.lines[index].id != view.lines[index - 1].id) ++entry;
  }
  return entry;
}

void SetCursorEntryIndex(IndexView* view, std::int32_t entry) {
  if (view == nullptr) return;
  view->hasCursor = false;
  if (entry < 0 || !HasRows(*view)) return;
  std::int32_t count = 0;
  for (std::uint32_t index = 0; view->lines[index].flags != 0; ++index) {
    if (index > 0 && view->lines[index].id != view->lines[index - 1].id) ++count;
    if (count == entry) {
      view->hasCursor = true;
      view->cursorRow = static_cast<std::uint16_t>(index);
      return;
    }
  }
}

}  // namespace velmora::index
