// The IndexView: the table-of-contents list of the Choose Article dialog. It
// takes over a buffer of index entries, breaks every entry into right-aligned
// rows for the list's width, keeps for every row whether it is visible, and
// paints the visible rows from a scroll position down, each entry with a 9 x 9
// glyph after its first painted row. Hidden rows take no room.
#pragma once

#include <cstdint>
#include <string>

#include "platform/memory.h"
#include "platform/surface.h"
#include "state/app_state.h"
#include "view/text_view.h"

namespace velmora::index {

// --- Result codes -----------------------------------------------------------
inline constexpr int kIndexMissing = -1;  // no view, or nothing to paint
inline constexpr int kIndexDone = 0;
inline constexpr int kIndexUnmoved = 1;   // a scroll that changed nothing
inline constexpr int kIndexNoBuffer = 2;  // no buffer given
// AllocOrAbort has already reported (or the table would pass kMaxIndexCapacity).
inline constexpr int kIndexOutOfMemory = -2;
inline constexpr int kIndexUnusableBuffer = -4;  // first entry missing or without text

// --- Row flags (the entry's style byte at layout time) ------------------------
inline constexpr std::uint8_t kRowVisible = 0x80;
inline constexpr std::uint8_t kRowExpanded = 0x40;

// Each indent level moves an entry's rows this many pixels in from the right.
inline constexpr std::int32_t kIndentStep = 13;
// The row table grows in steps of this many rows.
inline constexpr std::uint16_t kIndexTableStep = 128;
// Rows, and so visibleRows and topRow, are counted in 16 bits: the table
// never grows past this many rows.
inline constexpr std::uint16_t kMaxIndexCapacity = 0xFFFF - kIndexTableStep;
// Offsets into the buffer are 16-bit: entries beyond this many bytes are not read.
inline constexpr std::uint32_t kMaxIndexBytes = 0xFFFF;

// The entry glyphs: 9 x 9 pixels, 4 pixels right of a row's text.
inline constexpr std::int32_t kGlyphSize = 9;
inline constexpr std::int32_t kGlyphGap = 4;
// The keyboard cursor's band, its text drawn white on it.
inline constexpr platform::Colour kCursorColour = 0x00A05020;  // RGB 32, 80, 160

// One row of the list: a contiguous stretch of an entry's stored text.
struct IndexLine {
  std::uint16_t textOffset = 0;  // offset in `data` of the row's first text byte
  std::uint16_t length = 0;      // text bytes on the row
  std::uint16_t x = 0;           // left pixel of the row's text
  std::uint16_t textWidth = 0;   // pixel width of the row's text as measured
  std::uint16_t rowHeight = 0;   // character height of the entry's font
  std::uint16_t id = 0;          // the entry's id word, in every row of the entry
  // The entry's style byte at layout time; then kRowVisible, kRowExpanded and
  // the font key in the low five bits. 0 only in the end row.
  std::uint8_t flags = 0;
};

struct IndexView {
  // lineCapacity rows plus the end row (every field 0) after the last row.
  platform::HeapPtr<IndexLine[]> lines;
  platform::Surface* dc = nullptr;       // not owned
  platform::HeapBuffer data;             // the index entries; owned after a layout
  std::int32_t rowsPainted = 0;          // rows drawn by the last paint
  FontSettings fontSettings;             // the view's own copy
  view::StyleFont* fontCache = nullptr;  // owned list, newest first
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t topRow = 0;       // visible rows above the first painted row
  std::uint16_t visibleRows = 0;  // rows whose kRowVisible is set
  std::uint16_t lineCount = 0;    // rows in the table, end row not counted
  std::uint16_t lineCapacity = 0;
  std::uint16_t lastTopRow = 0;  // largest scroll position
  // The keyboard cursor, when `hasCursor`: the first row of the entry it is
  // on. Painting marks that entry's rows in kCursorColour.
  bool hasCursor = false;
  std::uint16_t cursorRow = 0;
  // The article number being typed; painting shows it at the list's top
  // left corner while it is not empty.
  std::u16string typedNumber;
};

// Pixels from the list's right edge to the right end of `row`'s text: 13 per
// indent level (or 0), the same for every row of an entry. The end row's is
// the list's right edge itself.
inline std::int32_t RowIndent(const IndexView& view, const IndexLine& row) {
  return view.left + view.width - row.x - row.textWidth;
}

// --- Life -------------------------------------------------------------------
// A new empty view drawing on `dc` (not owned) in `rect`, with a copy of
// `fontSettings` and, unless `capacity` is 0, a table of `capacity` rows.
// Nothing without a surface or when the heap is dry (AllocOrAbort; a view
// whose table could not be made has none and gets one from its first layout).
IndexView* CreateIndexView(platform::Surface* dc, const platform::Rect& rect,
                           const FontSettings& fontSettings, std::uint16_t capacity);
// Frees the buffer, the table and every cached font, and the view itself
// (which must come from CreateIndexView) when `freeView` is set.
void DestroyIndexView(IndexView* view, bool freeView);

// --- Fonts ------------------------------------------------------------------
// Selects the font of `style`'s key (made by the StyleFont rule from the
// view's settings the first time, the surface's default font when it cannot
// be made) and, with `withColour`, the key's text colour: blue for larger
// and bold, else black. Returns the font selected before; nullptr without a view.
platform::Font* SelectIndexFont(IndexView* view, std::uint8_t style, bool withColour);

// --- Layout -----------------------------------------------------------------
// Breaks every entry of `buffer` into rows and adopts the buffer. Codes:
// kIndexMissing; kIndexNoBuffer (the view emptied of rows and its buffer
// freed when `releasePrevious`, else untouched); kIndexUnusableBuffer when
// the first entry is missing or has no text (the view untouched, `buffer`
// freed); kIndexOutOfMemory (the rows laid so far stay, ended by the end row,
// and the buffer they refer to is adopted); kIndexDone. The buffer held
// before is freed in every case that adopts a new one. topRow never moves.
int LayoutIndex(IndexView* view, platform::HeapBuffer buffer, bool releasePrevious);
// New list size (left and top stay); lays the view's own buffer out again,
// visibility back to what its style bytes say. Codes as LayoutIndex.
int ResizeIndexView(IndexView* view, std::int32_t width, std::int32_t height);
// Recomputes lastTopRow so that at that position the last visible row is the
// last one that fits; unchanged without rows or without visible rows.
void ComputeIndexLastTopRow(IndexView* view);

// --- Painting and scrolling -------------------------------------------------
// Draws the whole visible rows that fit from topRow (topRow beyond
// visibleRows falls back to lastTopRow), after a white fill with `erase`,
// and counts them in rowsPainted; the cursor's rows across the list's width
// in kCursorColour, and a typed number over the top left corner. kIndexMissing
// without view, buffer or table; else kIndexDone.
int PaintIndexView(IndexView* view, bool erase);
// Moves topRow by `delta`, kept within 0..lastTopRow, and paints with erase.
// kIndexMissing; kIndexUnmoved when topRow would not change (no paint); else
// the paint's result.
int ScrollIndexView(IndexView* view, std::int32_t delta);
// Draws `row`'s glyph, at the row's top `y`: bitmap 202 for an expanded
// heading row, 201 for a collapsed one, 203 for any other row; nothing when
// that bitmap is not loaded.
void DrawEntryGlyph(IndexView* view, const IndexLine& row, std::int32_t y);

}  // namespace velmora::index
