// HitTestIndex: what a tap on the list means.
#include "book/book_format.h"
#include "index/index_internal.h"
#include "index/index_rows.h"
#include "index/index_view.h"

namespace velmora::index {
namespace {

// The row under `py`, kHitBelowRows when the tap lies below the rows that
// fit. A tap on the border between two rows belongs to the upper one.
std::int32_t RowAt(const IndexView& view, std::int32_t py) {
  std::int32_t bottom = view.top;
  std::int32_t room = view.height;
  for (std::uint32_t index = FirstPaintedRow(view); view.lines[index].flags != 0; ++index) {
    const IndexLine& row = view.lines[index];
    if (room < row.rowHeight) return kHitBelowRows;
    if (!IsVisibleRow(row)) continue;
    room -= row.rowHeight;
    bottom += row.rowHeight;
    if (py <= bottom) return static_cast<std::int32_t>(index);
  }
  return kHitBelowRows;
}

}  // namespace

std::int32_t HitTestIndex(IndexView* view, std::int32_t px, std::int32_t py) {
  if (view == nullptr || !view->data || !view->lines) return 0;
  if (px < view->left || px > view->left + view->width || py < view->top ||
      py > view->top + view->height) {
    return 0;
  }
  const std::int32_t hit = RowAt(*view, py);
  if (hit == kHitBelowRows) return kHitBelowRows;

  // Anywhere across the list's width a tap acts on its row: a row is the
  // target, not only its short right-aligned text.
  const IndexLine& row = view->lines[hit];
  if ((row.id & book::kIdArticle) != 0) return row.id & book::kIdNumber;
  return ToggleHeading(view, hit);
}

}  // namespace velmora::index
