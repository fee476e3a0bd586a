#include <algorithm>
#include <new>

#include "index/index_internal.h"
#include "index/index_view.h"
#include "platform/memory.h"
#include "state/alloc_or_abort.h"

namespace velmora::index {

platform::HeapPtr<IndexLine[]> AllocateRowTable(std::uint32_t rows) {
  return platform::HeapPtr<IndexLine[]>(
      static_cast<IndexLine*>(settings::AllocOrAbort(rows * sizeof(IndexLine))));
}

std::uint32_t FirstPaintedRow(const IndexView& view) {
  std::uint32_t index = 0;
  for (std::uint32_t passed = 0; passed < view.topRow && view.lines[index].flags != 0; ++index) {
    if (IsVisibleRow(view.lines[index])) ++passed;
  }
  return index;
}

IndexView* CreateIndexView(platform::Surface* dc, const platform::Rect& rect,
                           const FontSettings& fontSettings, std::uint16_t capacity) {
  if (dc == nullptr) return nullptr;
  void* block = settings::AllocOrAbort(sizeof(IndexView));
  if (block == nullptr) return nullptr;
  auto* view = new (block) IndexView{};
  view->dc = dc;
  view->fontSettings = fontSettings;
  view->left = rect.left;
  view->top = rect.top;
  view->width = rect.right - rect.left;
  view->height = rect.bottom - rect.top;
  capacity = std::min(capacity, kMaxIndexCapacity);
  if (capacity != 0) {
    view->lines = AllocateRowTable(capacity + 1u);
    if (view->lines) {
      view->lines[0] = IndexLine{};
      view->lineCapacity = capacity;
    }
  }
  return view;
}

void DestroyIndexView(IndexView* view, bool freeView) {
  if (view == nullptr) return;
  view->data = {};
  view->lines.reset();
  view->lineCapacity = 0;
  view->lineCount = 0;
  view->visibleRows = 0;
  view->lastTopRow = 0;
  while (view->fontCache != nullptr) {
    view::StyleFont* node = view->fontCache;
    view->fontCache = node->next;
    if (node->font != nullptr) platform::DeleteFont(node->font);
    platform::HeapRelease(node);
  }
  if (freeView) {
    view->~IndexView();
    platform::HeapRelease(view);
  }
}

void ComputeIndexLastTopRow(IndexView* view) {
  if (view == nullptr || !view->lines || view->lineCount == 0 || view->visibleRows == 0) return;
  std::int32_t room = view->height;
  std::uint32_t counted = 0;
  // A row too high for the room left ends the count, hidden or not.
  for (std::uint32_t index = view->lineCount; index-- > 0;) {
    const IndexLine& row = view->lines[index];
    if (row.rowHeight > room) break;
    if (IsVisibleRow(row)) {
      room -= row.rowHeight;
      ++counted;
    }
  }
  view->lastTopRow =
      counted >= view->visibleRows ? 0 : static_cast<std::uint16_t>(view->visibleRows - counted);
}

}  // namespace velmora::index
