// Painting and scrolling the IndexView: the visible rows from topRow down,
// each entry's glyph after its first painted row.
#include <algorithm>

#include "book/book_format.h"
#include "index/index_internal.h"
#include "index/index_view.h"
#include "state/app_state.h"
#include "view/text_view.h"

namespace velmora::index {
namespace {

// appState.glyphs holds bitmaps 201, 202 and 203 in this order.
constexpr int kGlyphCollapsed = 0;
constexpr int kGlyphExpanded = 1;
constexpr int kGlyphArticle = 2;

int GlyphOf(const IndexLine& row) {
  if (!IsHeadingRow(row)) return kGlyphArticle;
  return (row.flags & kRowExpanded) != 0 ? kGlyphExpanded : kGlyphCollapsed;
}

// The font key a paint starts with; the end row has none of its own.
std::uint8_t FontKeyOf(const IndexLine& row) {
  return row.flags == 0 ? view::kDefaultFontKey
                        : static_cast<std::uint8_t>(row.flags & book::StyleFontKey);
}

// One past the last row of the cursor's entry; 0 without a cursor.
std::uint32_t CursorEnd(const IndexView& view) {
  if (!view.hasCursor || view.cursorRow >= view.lineCount) return 0;
  std::uint32_t end = view.cursorRow + 1u;
  while (view.lines[end].flags != 0 && view.lines[end].id == view.lines[view.cursorRow].id) ++end;
  return end;
}

// The cursor's band across the list, the row's text white on it.
void DrawCursorRow(IndexView* view, const IndexLine& row, std::int32_t y) {
  if (platform::Brush* brush = platform::CreateSolidBrush(kCursorColour)) {
    platform::FillRect(view->dc, {view->left, y, view->left + view->width, y + row.rowHeight},
                       brush);
    platform::DeleteBrush(brush);
  }
  view::DrawColouredRun(view->dc, view->data.get() + row.textOffset, row.length, row.x, y,
                        row.textWidth, row.rowHeight, platform::kColourWhite, kCursorColour);
}

// The number being typed, boxed at the list's top left corner.
void DrawTypedNumber(IndexView* view) {
  if (view->typedNumber.empty()) return;
  const auto count = static_cast<std::int32_t>(view->typedNumber.size());
  const platform::Size size = platform::TextExtent(view->dc, view->typedNumber.data(), count);
  const platform::Rect box{view->left, view->top, view->left + size.width + 2 * kGlyphGap,
                           view->top + size.height + kGlyphGap};
  platform::DrawRectangle(view->dc, box);
  platform::DrawTextInBox(view->dc, view->typedNumber.data(), count,
                          {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1});
}

}  // namespace

void DrawEntryGlyph(IndexView* view, const IndexLine& row, std::int32_t y) {
  if (view == nullptr) return;
  platform::Bitmap* bitmap = appState.glyphs[GlyphOf(row)];
  if (bitmap == nullptr) return;
  const std::int32_t x = row.x + row.textWidth + kGlyphGap;
  // Centred in the row when the row is higher than the glyph.
  const std::int32_t offset = (row.rowHeight - kGlyphSize) / 2;
  platform::DrawBitmap(view->dc, bitmap, x, offset > 0 ? y + offset : y, {kGlyphSize, kGlyphSize});
}

int PaintIndexView(IndexView* view, bool erase) {
  if (view == nullptr || !view->data || !view->lines) return kIndexMissing;
  view->rowsPainted = 0;
  std::int32_t room = view->height;
  // Only a position beyond every visible row falls back; one between
  // lastTopRow and visibleRows shows empty space below the last row.
  if (view->topRow > view->visibleRows) view->topRow = view->lastTopRow;
  std::uint32_t index = FirstPaintedRow(*view);

  std::uint8_t key = FontKeyOf(view->lines[index]);
  const platform::Colour savedColour = platform::GetTextColour(view->dc);
  platform::Font* savedFont = SelectIndexFont(view, key, true);
  if (erase) {
    view::FillViewRect(view->dc, view->left, view->top, view->width, view->height,
                       platform::StockBrush::kWhite);
  }

  const std::uint32_t cursorEnd = CursorEnd(*view);
  std::int32_t y = view->top;
  bool glyphDrawn = false;
  std::uint16_t glyphId = 0;
  for (; view->lines[index].flags != 0; ++index) {
    const IndexLine& row = view->lines[index];
    // Only whole rows are drawn; a hidden row too high for the room ends it too.
    if (room < row.rowHeight) break;
    if (!IsVisibleRow(row)) continue;
    if (((row.flags ^ key) & book::StyleFontKey) != 0) {
      SelectIndexFont(view, row.flags, true);
      key = static_cast<std::uint8_t>(row.flags & book::StyleFontKey);
    }
    const bool onCursor = index >= view->cursorRow && index < cursorEnd;
    if (onCursor) DrawCursorRow(view, row, y);
    // The glyph stands at the first painted row of every entry, also when
    // that row continues an entry begun above the list.
    if (!glyphDrawn || row.id != glyphId) {
      DrawEntryGlyph(view, row, y);
      glyphDrawn = true;
      glyphId = row.id;
    }
    if (!onCursor) {
      view::DrawRun(view->dc, view->data.get() + row.textOffset, row.length, row.x, y,
                    row.textWidth, row.rowHeight);
    }
    y += row.rowHeight;
    room -= row.rowHeight;
    ++view->rowsPainted;
  }

  DrawTypedNumber(view);
  platform::SelectFont(view->dc, savedFont);
  platform::SetTextColour(view->dc, savedColour);
  return kIndexDone;
}

int ScrollIndexView(IndexView* view, std::int32_t delta) {
  if (view == nullptr) return kIndexMissing;
  const std::int64_t wanted = static_cast<std::int64_t>(view->topRow) + delta;
  const auto target =
      static_cast<std::uint16_t>(std::clamp<std::int64_t>(wanted, 0, view->lastTopRow));
  if (target == view->topRow) return kIndexUnmoved;
  view->topRow = target;
  return PaintIndexView(view, true);
}

}  // namespace velmora::index
