// LayoutIndex: breaking every index entry into right-aligned rows for the
// list's width. An entry's text is stored in display order, so rows are
// filled from its last stored byte toward its first; each row still covers
// one contiguous stretch of the stored text.
#include <algorithm>
#include <span>

#include "book/book_format.h"
#include "book/index_record.h"
#include "index/index_internal.h"
#include "index/index_view.h"
#include "state/alloc_or_abort.h"
#include "view/text_view.h"

namespace velmora::index {
namespace {

constexpr std::uint8_t kSpace = 0x20;

// The running state of one layout.
struct Layout {
  IndexView* view = nullptr;
  std::uint32_t row = 0;  // index of the next row
  std::int32_t rowHeight = 0;
  std::uint8_t previousStyle = view::kDefaultFontKey;
};

// The bytes of `buffer` that 16-bit row offsets can address.
std::span<const std::uint8_t> IndexBytes(const platform::HeapBuffer& buffer) {
  return {buffer.get(), std::min(buffer.size, kMaxIndexBytes)};
}

// The first entry exists and has text.
bool IsUsableIndex(std::span<const std::uint8_t> bytes) {
  book::IndexEntry first;
  return book::ReadIndexEntry(bytes, 0, &first) && first.length > 0;
}

bool EnsureTable(IndexView& view) {
  if (view.lines && view.lineCapacity != 0) return true;
  view.lines = AllocateRowTable(kIndexTableStep + 1u);
  view.lineCapacity = view.lines ? kIndexTableStep : 0;
  if (view.lines) view.lines[0] = IndexLine{};
  return static_cast<bool>(view.lines);
}

// Adds kIndexTableStep rows to the table. On failure the table stays as it
// was, its end-row slot free.
bool GrowTable(IndexView& view) {
  if (view.lineCapacity > kMaxIndexCapacity - kIndexTableStep) return false;
  const std::uint32_t capacity = view.lineCapacity + kIndexTableStep;
  platform::HeapPtr<IndexLine[]> bigger = AllocateRowTable(capacity + 1);
  if (!bigger) return false;
  std::copy_n(view.lines.get(), view.lineCapacity, bigger.get());
  view.lines = std::move(bigger);
  view.lineCapacity = static_cast<std::uint16_t>(capacity);
  return true;
}

// How many bytes of `text` (its `left` bytes reversed, NUL after them) the
// next row takes within `avail` pixels, and their width.
view::RunFit FitRow(platform::Surface* dc, const std::uint8_t* text, std::int32_t left,
                    std::int32_t avail) {
  view::RunFit fit = view::MeasureFit(dc, text, avail, left);
  if (fit.count < left && text[fit.count] != kSpace) {
    // The row would end inside a word: end it before the last space, or cut
    // the word where the width runs out when it has none.
    std::int32_t at = fit.count - 1;
    while (at > 0 && text[at] != kSpace) --at;
    if (at > 0) fit = {at, view::MeasureFit(dc, text, avail, at).width};
  }
  if (fit.count == 0) {
    // Not even one byte fits: the row takes one anyway, so the layout moves on.
    fit = {1, view::MeasureRunExtent(dc, text, 1).width};
  }
  return fit;
}

int AddEntry(Layout& layout, const book::IndexEntry& entry) {
  IndexView& view = *layout.view;
  std::int32_t indent = entry.indent * kIndentStep;
  if (((entry.style ^ layout.previousStyle) & book::StyleFontKey) != 0) {
    SelectIndexFont(&view, entry.style, false);
    layout.rowHeight = platform::GetTextMetrics(view.dc).height;
  }
  layout.previousStyle = entry.style;
  if (indent >= view.width) indent = 0;

  const std::int32_t n = entry.length;
  if (n == 0) return kIndexDone;
  platform::HeapPtr<std::uint8_t[]> reversed(
      static_cast<std::uint8_t*>(settings::AllocOrAbort(static_cast<std::size_t>(n) + 1)));
  if (!reversed) return kIndexOutOfMemory;
  std::reverse_copy(entry.text, entry.text + n, reversed.get());
  reversed[n] = 0;

  const std::uint32_t textOffset = entry.offset + book::kEntryHeaderSize;
  const std::int32_t avail = view.width - indent;
  std::int32_t consumed = 0;  // reversed bytes behind the rows made
  for (;;) {
    // Spaces belong to no row.
    while (consumed < n && reversed[consumed] == kSpace) ++consumed;
    if (consumed == n) break;
    if (layout.row >= view.lineCapacity && !GrowTable(view)) return kIndexOutOfMemory;

    const view::RunFit fit = FitRow(view.dc, reversed.get() + consumed, n - consumed, avail);
    IndexLine& row = view.lines[layout.row++];
    row.textOffset = static_cast<std::uint16_t>(textOffset + n - consumed - fit.count);
    row.length = static_cast<std::uint16_t>(fit.count);
    row.textWidth = static_cast<std::uint16_t>(fit.width);
    row.rowHeight = static_cast<std::uint16_t>(layout.rowHeight);
    row.id = entry.id;
    row.flags = entry.style;
    row.x = static_cast<std::uint16_t>(view.left + view.width - indent - fit.width);
    if (IsVisibleRow(row)) ++view.visibleRows;
    consumed += fit.count;
  }
  return kIndexDone;
}

// Lays every entry of `bytes` out into the view's table from row 0 and ends
// the table after the rows made, also when memory runs out.
int LayOutEntries(IndexView& view, std::span<const std::uint8_t> bytes) {
  view.visibleRows = 0;
  view.lastTopRow = 0;
  if (!EnsureTable(view)) {
    view.lineCount = 0;
    return kIndexOutOfMemory;
  }
  platform::Font* remembered = SelectIndexFont(&view, view::kDefaultFontKey, false);
  Layout layout;
  layout.view = &view;
  layout.rowHeight = platform::GetTextMetrics(view.dc).height;

  int code = kIndexDone;
  book::WalkIndex(bytes, [&](const book::IndexEntry& entry) {
    code = AddEntry(layout, entry);
    return code == kIndexDone;
  });

  view.lines[layout.row] = IndexLine{};
  view.lineCount = static_cast<std::uint16_t>(layout.row);
  ComputeIndexLastTopRow(&view);
  platform::SelectFont(view.dc, remembered);
  return code;
}

}  // namespace

int LayoutIndex(IndexView* view, platform::HeapBuffer buffer, bool releasePrevious) {
  if (view == nullptr) return kIndexMissing;
  if (!buffer) {
    if (releasePrevious) {
      // No row may refer to the buffer released.
      view->data = {};
      if (view->lines) view->lines[0] = IndexLine{};
      view->lineCount = 0;
      view->visibleRows = 0;
      view->lastTopRow = 0;
    }
    return kIndexNoBuffer;
  }
  const std::span<const std::uint8_t> bytes = IndexBytes(buffer);
  if (!IsUsableIndex(bytes)) return kIndexUnusableBuffer;
  const int code = LayOutEntries(*view, bytes);
  // The rows made refer to the new buffer, also those of a layout cut short.
  view->data = std::move(buffer);
  return code;
}

int ResizeIndexView(IndexView* view, std::int32_t width, std::int32_t height) {
  if (view == nullptr) return kIndexMissing;
  view->width = width;
  view->height = height;
  if (!view->data) return kIndexNoBuffer;
  const std::span<const std::uint8_t> bytes = IndexBytes(view->data);
  if (!IsUsableIndex(bytes)) return kIndexUnusableBuffer;
  return LayOutEntries(*view, bytes);
}

}  // namespace velmora::index
