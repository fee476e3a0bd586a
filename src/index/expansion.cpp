// Carrying which headings are open, and which entries show, across a new
// layout of the list (a size change lays the rows out afresh from the
// buffer's style bytes).
#include "index/index_internal.h"
#include "index/index_rows.h"
#include "index/index_view.h"
#include "state/alloc_or_abort.h"

namespace velmora::index {
namespace {

// Calls `record(row)` for the first visible row of every run of visible rows
// with one id word, in list order.
template <class Record>
void ForEachVisibleEntry(const IndexView& view, Record&& record) {
  std::uint16_t last = 0;
  for (std::uint32_t index = 0; view.lines[index].flags != 0; ++index) {
    const IndexLine& row = view.lines[index];
    if (!IsVisibleRow(row) || row.id == last) continue;
    last = row.id;
    record(row);
  }
}

}  // namespace

ExpansionState SaveExpansion(const IndexView* view) {
  if (view == nullptr || !view->data || !view->lines) return {};
  std::uint32_t count = 0;
  ForEachVisibleEntry(*view, [&](const IndexLine&) { ++count; });
  if (count == 0) return {};
  ExpansionState state(
      static_cast<ExpansionPair*>(settings::AllocOrAbort((count + 1) * sizeof(ExpansionPair))));
  if (!state) return {};
  std::uint32_t at = 0;
  ForEachVisibleEntry(*view, [&](const IndexLine& row) {
    state[at++] = {row.id, static_cast<std::uint16_t>(row.flags & kRowExpanded)};
  });
  state[at] = {};
  return state;
}

void RestoreExpansion(IndexView* view, const ExpansionPair* state) {
  if (view == nullptr || !view->data || !view->lines || state == nullptr) return;
  std::uint32_t cursor = 0;
  for (const ExpansionPair* pair = state; pair->id != 0; ++pair) {
    // Entries keep their order, so each search goes on from the last found;
    // once the end row is reached no later entry is found.
    while (view->lines[cursor].flags != 0 && view->lines[cursor].id != pair->id) ++cursor;
    if (view->lines[cursor].flags == 0) continue;
    const auto bits = static_cast<std::uint8_t>(kRowVisible | (pair->expanded & kRowExpanded));
    for (;; ++cursor) {
      IndexLine& row = view->lines[cursor];
      if ((row.flags & bits) != bits) {
        if (!IsVisibleRow(row)) ++view->visibleRows;
        row.flags |= bits;
      }
      if (view->lines[cursor + 1].flags == 0 || view->lines[cursor + 1].id != pair->id) break;
    }
  }
  ComputeIndexLastTopRow(view);
}

}  // namespace velmora::index
