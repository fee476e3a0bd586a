// The TextView: the article view. It owns the ParagraphStream shown, lays it
// out into ViewLines for its width and fonts, scrolls by rows and paints
// through the drawing surface it was given. All of it runs on the
// user-interface thread.
#pragma once

#include <cstdint>

#include "platform/memory.h"
#include "platform/surface.h"
#include "state/app_state.h"

namespace velmora::view {

// --- Result codes -----------------------------------------------------------
// Layout codes travel as unsigned 16-bit values; a missing view is a full -1.
inline constexpr int kViewMissing = -1;
inline constexpr int kViewDone = 0;
inline constexpr int kViewUnmoved = 1;   // nothing happened
inline constexpr int kViewNoStream = 2;  // no data given
inline constexpr int kViewMovedUnpainted = 3;
inline constexpr int kViewUnusableData = 0xFFFC;
inline constexpr int kViewOutOfMemory = 0xFFFE;
inline constexpr int kViewBadSize = -5;

// SelectStyleFont's argument: the key in bits 0-4, this bit also sets the
// text colour of the style.
inline constexpr std::uint32_t kStyleFontSetColour = 0x100;
// The key whose font a layout starts with and whose height rules inherit.
inline constexpr std::uint8_t kDefaultFontKey = 0x01;
// The key of the HeadingBox font: the smaller size.
inline constexpr std::uint8_t kHeadingBoxFontKey = 0x02;

// The table grows in steps of this many records.
inline constexpr std::uint16_t kLineTableStep = 128;
// A table never holds more lines than this, so that rows (lines plus at most
// one blank row each) stay countable in 16 bits.
inline constexpr std::uint16_t kMaxLineCapacity = 0x7FFF;

// One laid-out row of text, or a rule.
struct ViewLine {
  std::uint16_t offset = 0;  // stream offset of the main run (label first in reading order)
  std::uint16_t length = 0;  // stored bytes of the main run; 0 for a rule
  std::uint16_t x = 0;       // left edge of the main run or rule
  std::uint16_t gutter = 0;  // label gutter width on a labelled first line, else 0
  std::uint16_t width = 0;   // pixel width of the main run or rule
  std::uint16_t height = 0;  // row height: the item font's cell height
  std::uint8_t style = 0;    // the item's style; 0 only in the terminator
};

// One entry of the per-view font cache.
struct StyleFont {
  StyleFont* next = nullptr;
  platform::Font* font = nullptr;  // none after the fonts were released
  std::uint8_t key = 0;            // style & StyleFontKey
};

struct TextView {
  // lineCapacity + 1 records; the one after the last line has style 0.
  platform::HeapPtr<ViewLine[]> lines;
  platform::Surface* surface = nullptr;  // not owned
  platform::HeapBuffer text;             // the stream shown; owned
  std::int32_t rowsPainted = 0;          // rows drawn by the last paint
  FontSettings fonts;                    // the view's own copy
  StyleFont* fontCache = nullptr;        // owned list, newest first
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t topRow = 0;
  std::uint16_t rowCount = 0;  // lines plus blank rows
  std::uint16_t lineCount = 0;
  std::uint16_t lineCapacity = 0;
  std::uint16_t lastTopRow = 0;      // top row that puts the end of the text at the bottom
  std::uint16_t highlightStart = 0;  // [start, end) of stream offsets; 0, 0: none
  std::uint16_t highlightEnd = 0;
};

// --- Life -------------------------------------------------------------------
// A new empty view on `surface` (not owned) with the view rectangle `rect`
// (none: all zero), a copy of `fonts` and a table of `capacity` lines (0:
// made by the first layout). Nothing when there is no surface or no memory.
TextView* CreateTextView(platform::Surface* surface, const platform::Rect* rect,
                         const FontSettings& fonts, std::uint16_t capacity);
// New view size; lays the current text out again. kViewMissing, kViewBadSize
// for a non-positive size (view untouched), else the code of RelayoutText.
int ResizeTextView(TextView* view, std::int32_t width, std::int32_t height);
// Releases the text, the table and every cached font, and the object itself
// (which must come from CreateTextView) when `releaseObject` is set.
void DestroyTextView(TextView* view, bool releaseObject);
// None: releases every cached font handle, returns 0. Otherwise copies
// `settings`, recreates the cached fonts, lays the text out again and returns
// 1 when that failed, else the result of a paint with background fill.
int SetTextViewFonts(TextView* view, const FontSettings* settings);

// --- Fonts ------------------------------------------------------------------
// The font the StyleFont rule makes for `key` under `fonts`: the size scaled
// by StyleLarger (5/4, or 20) or StyleSmaller (6/8, or 14), bold by StyleBold.
platform::FontDescription StyleFontDescription(const FontSettings& fonts, std::uint8_t key);
// Creates the font of `key` from the view's settings in a new cache entry at
// the head; nothing (and no entry) when the font or the entry cannot be made.
StyleFont* CreateStyleFont(TextView* view, std::uint8_t key);
// Selects the cached font of the key in `arg` (creating it when needed; the
// surface's default font when it cannot be made) and, with
// kStyleFontSetColour, the style's text colour. Returns the font selected
// before; nullptr without a view.
platform::Font* SelectStyleFont(TextView* view, std::uint32_t arg);

// --- Layout -----------------------------------------------------------------
// Clears the highlight and the row counts and lays `stream` out, adopting it.
// A stream that is not adopted is released. Codes: kViewMissing;
// kViewNoStream for an empty `stream` (the current text released when
// `releasePrevious`); kViewUnusableData for an empty stream or a first item
// with empty text (text and lines kept); kViewOutOfMemory (table emptied;
// the current text released when `releasePrevious`, else kept); kViewDone.
// `topRow` is never moved.
int LayoutText(TextView* view, platform::HeapBuffer stream, bool releasePrevious);
// Lays the view's own text out again, as after a size or font change. Codes
// as LayoutText; after kViewOutOfMemory the table holds the lines made.
int RelayoutText(TextView* view);
// Sets and returns lastTopRow; -1 without lines or rows.
int ComputeLastTopRow(TextView* view);
// Moves topRow to the row of the first line whose run holds `offset` (both
// ends included), at most lastTopRow. 1 when found, 0 when not, -1 without view.
int ScrollToOffset(TextView* view, std::uint16_t offset);

// The reader's place: the stream offset of the first byte, in reading order,
// of the line shown at the top (the line below a blank row at the top; the
// last line when topRow lies past the text). 0 without lines.
std::uint16_t TopLineOffset(const TextView& view);
// Moves topRow to the row of the line that holds `offset` as TopLineOffset
// gives it, at most lastTopRow, so that a new layout keeps the reader's place.
// 1 when found, 0 when not (topRow unchanged), -1 without view.
int ScrollToTopLineOffset(TextView* view, std::uint16_t offset);

// --- Text primitives (also used by the index list and the HeadingBox) -------
struct RunFit {
  std::int32_t count = 0;  // leading bytes that fit
  std::int32_t width = 0;  // their width in pixels
};
// How many of the first `count` stored bytes of `text` fit in `maxWidth`
// pixels of the selected font, and their width. Measured in stored order: the
// Reverse option is suspended meanwhile. Nothing fits when memory is short.
RunFit MeasureFit(platform::Surface* surface, const std::uint8_t* text, std::int32_t maxWidth,
                  std::int32_t count);
// Width and height of the first `count` stored bytes, in stored order.
platform::Size MeasureRunExtent(platform::Surface* surface, const std::uint8_t* text,
                                std::int32_t count);
// Draws the first `count` stored bytes of `text` (display order, the Reverse
// option applied) on one line centred in the box (x, y, w, h), opaquely.
void DrawRun(platform::Surface* surface, const std::uint8_t* text, std::int32_t count,
             std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);
// DrawRun in `textColour` on `backColour`; the surface's colours are restored.
void DrawColouredRun(platform::Surface* surface, const std::uint8_t* text, std::int32_t count,
                     std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                     platform::Colour textColour, platform::Colour backColour);
// Fills (x, y, width, height) with the stock brush `brush`.
void FillViewRect(platform::Surface* surface, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height, platform::StockBrush brush);

}  // namespace velmora::view
