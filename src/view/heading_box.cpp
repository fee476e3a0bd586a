#include "view/heading_box.h"

#include <algorithm>

#include "book/book_format.h"
#include "book/paragraph_stream.h"
#include "view/view_lines.h"

namespace velmora::view {
namespace {

// The frame, from the outside in: red 2 pixels, white 1, blue 2.
struct FrameBand {
  platform::Colour colour;
  std::int32_t thickness;
};
constexpr FrameBand kFrameBands[] = {
    {platform::kColourRed, 2}, {platform::kColourWhite, 1}, {platform::kColourBlue, 2}};
constexpr platform::Colour kBoxFill = platform::kColourYellow;
constexpr platform::Colour kHeadingText = platform::kColourRed;

// The box is as wide as the widest heading plus two rows and this many
// pixels, 2 pixels above the view's lower edge, and this much taller than
// its rows (frame and a pixel of air on each side).
constexpr std::int32_t kBoxExtraWidth = 8;
constexpr std::int32_t kBoxBottomMargin = 2;
constexpr std::int32_t kBoxExtraHeight = 10;

HeadingRef HeadingOf(const book::StreamItem& item) { return {item.length, 0, item.text}; }

}  // namespace

void FindHeadings(std::span<const std::uint8_t> stream, HeadingRef* first, HeadingRef* second) {
  *first = HeadingRef{};
  *second = HeadingRef{};
  book::StreamItem item;
  if (!book::ReadStreamItem(stream, 0, &item)) return;
  if (item.style == book::TitleHeadingStyle) {
    *first = HeadingOf(item);
    if (!book::ReadStreamItem(stream, book::NextItemOffset(item), &item)) return;
  }
  if (item.style == book::ArticleHeadingStyle) *second = HeadingOf(item);
}

void DrawFrame(platform::Surface* surface, platform::Rect* rect, platform::Colour colour,
               std::int32_t thickness) {
  platform::Pen* pen = platform::CreatePen(colour);
  platform::Pen* previous = pen != nullptr ? platform::SelectPen(surface, pen) : nullptr;
  for (std::int32_t i = 0; i < thickness; ++i) {
    if (pen != nullptr) platform::DrawRectangle(surface, *rect);
    ++rect->left;
    ++rect->top;
    --rect->right;
    --rect->bottom;
  }
  if (pen != nullptr) {
    platform::SelectPen(surface, previous);
    platform::DeletePen(pen);
  }
}

void ShowHeadingBox(TextView* view) {
  if (view == nullptr || !view->text) return;
  HeadingRef headings[2];
  FindHeadings(StreamBytes(view->text), &headings[0], &headings[1]);
  if (headings[0].count == 0 && headings[1].count == 0) return;

  platform::Font* savedFont = SelectStyleFont(view, kHeadingBoxFontKey | kStyleFontSetColour);
  const std::int32_t rowHeight = platform::GetTextMetrics(view->surface).height;
  std::int32_t rows = 0;
  std::int32_t widest = 0;
  for (HeadingRef& heading : headings) {
    if (heading.text == nullptr) continue;
    ++rows;
    // A heading wider than the view is cut to the bytes that fit it.
    const RunFit fit = MeasureFit(view->surface, heading.text, view->width, heading.count);
    heading.count = fit.count;
    heading.width = fit.width;
    widest = std::max(widest, fit.width);
  }

  const std::int32_t boxWidth = std::min(widest + 2 * rowHeight + kBoxExtraWidth, view->width);
  platform::Rect box;
  box.left = view->x + (view->width - boxWidth) / 2;
  box.right = box.left + boxWidth;
  box.bottom = view->y + view->height - kBoxBottomMargin;
  box.top = box.bottom - rows * rowHeight - kBoxExtraHeight;
  for (const FrameBand& band : kFrameBands) {
    DrawFrame(view->surface, &box, band.colour, band.thickness);
  }
  if (platform::Brush* fill = platform::CreateSolidBrush(kBoxFill); fill != nullptr) {
    platform::FillRect(view->surface, box, fill);
    platform::DeleteBrush(fill);
  }

  const std::int32_t innerWidth = box.right - box.left;
  std::int32_t top = box.top;
  for (const HeadingRef& heading : headings) {
    if (heading.text == nullptr) continue;
    // Signed centring: a heading wider than the box starts left of it.
    DrawColouredRun(view->surface, heading.text, heading.count,
                    box.left + (innerWidth - heading.width) / 2, top, heading.width, rowHeight,
                    kHeadingText, kBoxFill);
    top += rowHeight;
  }
  platform::SelectFont(view->surface, savedFont);
}

}  // namespace velmora::view
