// Showing and hiding rows: uncovering an article under its heading, and the
// opening and closing of a heading.
#include "book/book_format.h"
#include "index/index_internal.h"
#include "index/index_rows.h"
#include "index/index_view.h"

namespace velmora::index {
namespace {

bool HasRows(const IndexView* view) { return view != nullptr && view->data && view->lines; }

std::uint16_t NumberOf(const IndexLine& row) {
  return static_cast<std::uint16_t>(row.id & book::kIdNumber);
}

// The row of `article`: the first row with its number that is no heading.
std::int32_t FindArticleRow(const IndexView& view, std::uint16_t article) {
  for (std::int32_t index = 0; view.lines[index].flags != 0; ++index) {
    const IndexLine& row = view.lines[index];
    if (NumberOf(row) == article && !IsHeadingRow(row)) return index;
  }
  return -1;
}

}  // namespace

void RevealEntry(IndexView* view, std::int32_t row, std::int32_t step) {
  if (!HasRows(view) || row < 0 || row >= view->lineCount) return;
  const std::uint16_t id = view->lines[row].id;
  for (std::int32_t index = row; index >= 0 && index < view->lineCount; index += step) {
    IndexLine& line = view->lines[index];
    if (line.flags == 0 || line.id != id) return;
    if (IsVisibleRow(line)) continue;
    line.flags |= kRowVisible;
    ++view->visibleRows;
    if (IsHeadingRow(line)) line.flags &= static_cast<std::uint8_t>(~kRowExpanded);
  }
}

void UncoverArticle(IndexView* view, std::uint16_t article) {
  if (!HasRows(view) || article == 0) return;
  const std::int32_t found = FindArticleRow(*view, article);
  if (found < 0 || IsVisibleRow(view->lines[found])) return;
  RevealEntry(view, found, +1);

  // The entry after the article's: the next article of its section.
  std::int32_t next = found;
  while (view->lines[next].flags != 0 && view->lines[next].id == view->lines[found].id) ++next;
  RevealEntry(view, next, +1);

  // Everything above that encloses the article: its heading and beyond.
  std::int32_t limit = RowIndent(*view, view->lines[found]);
  for (std::int32_t index = found - 1; index >= 0; --index) {
    const std::int32_t indent = RowIndent(*view, view->lines[index]);
    if (indent >= limit) continue;
    RevealEntry(view, index, -1);
    limit = indent;
  }
  ComputeIndexLastTopRow(view);
}

std::int32_t ToggleHeading(IndexView* view, std::int32_t row) {
  if (!HasRows(view) || row < 0 || row >= view->lineCount) return 0;
  IndexLine& heading = view->lines[row];
  const std::int32_t ownIndent = RowIndent(*view, heading);
  const bool collapsing = (heading.flags & kRowExpanded) != 0;
  heading.flags ^= kRowExpanded;
  const std::uint16_t visibleBefore = view->visibleRows;

  std::int32_t reference = RowIndent(*view, view->lines[row + 1]);
  for (std::int32_t index = row + 1; view->lines[index].flags != 0; ++index) {
    IndexLine& line = view->lines[index];
    const std::int32_t indent = RowIndent(*view, line);
    if (indent < reference) break;
    if (NumberOf(line) == NumberOf(heading) && indent == reference) {
      // A further row of a heading that wraps: the section begins after it.
      reference = RowIndent(*view, view->lines[index + 1]);
      continue;
    }
    // A row no deeper than the heading is outside its section: a heading
    // with no rows beneath it opens and closes nothing.
    if (indent <= ownIndent) break;
    if (collapsing) {
      if (!IsVisibleRow(line)) continue;
      line.flags &= static_cast<std::uint8_t>(~kRowVisible);
      --view->visibleRows;
    } else if (!IsVisibleRow(line) && indent == reference) {
      line.flags |= kRowVisible;
      ++view->visibleRows;
    }
  }

  if (view->visibleRows != visibleBefore) ComputeIndexLastTopRow(view);
  PaintIndexView(view, true);
  return -static_cast<std::int32_t>(NumberOf(heading));
}

}  // namespace velmora::index
