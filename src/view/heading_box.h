// The HeadingBox: the article's headings in a framed box at the bottom of the
// view, drawn once after a search jumps to a hit.
#pragma once

#include <cstdint>
#include <span>

#include "platform/surface.h"
#include "view/text_view.h"

namespace velmora::view {

// One heading found for the box.
struct HeadingRef {
  std::int32_t count = 0;              // stored bytes; those that fit the view once measured
  std::int32_t width = 0;              // pixels, from the measurement
  const std::uint8_t* text = nullptr;  // the heading's stored text; none: not found
};

// The title (only as the first item, style TitleHeadingStyle) into `first`
// and the article heading (ArticleHeadingStyle, first or right after the
// title) into `second`; both cleared first.
void FindHeadings(std::span<const std::uint8_t> stream, HeadingRef* first, HeadingRef* second);
// Outlines `*rect` `thickness` times with a one-pixel pen of `colour`, moving
// every edge in by one after each outline (also when no pen can be made).
void DrawFrame(platform::Surface* surface, platform::Rect* rect, platform::Colour colour,
               std::int32_t thickness);
// Draws the box with the headings of the view's text over the bottom of the
// view; nothing without a view, text or heading.
void ShowHeadingBox(TextView* view);

}  // namespace velmora::view
