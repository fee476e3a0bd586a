// Copy and Append: the article on screen rendered as plain text and handed
// to the clipboard writer.
#pragma once

#include <cstdint>
#include <span>

#include "platform/memory.h"

namespace velmora::view {
struct TextView;
}

namespace velmora::exporting {

// The append flag of ExportArticle and the clipboard writers.
inline constexpr int kReplaceClipboard = 0;
inline constexpr int kAppendToClipboard = 1;

// The plain form of `stream` as Copy makes it: estimated, then rendered with
// the Reverse option inverted for the conversion when LetterBase is above
// 256 (AppFlags are back as they were afterwards, whatever happened).
// NUL-terminated; empty when the heap ran dry or the text did not fit (both
// reported to the reader).
platform::HeapPtr<char16_t[]> RenderArticleText(std::span<const std::uint8_t> stream);

// Copies (kReplaceClipboard) or appends (kAppendToClipboard) the view's
// article to the clipboard, as text or Rich Text by LetterBase. Does nothing
// without a view or a text in it.
void ExportArticle(view::TextView* view, int append);

}  // namespace velmora::exporting
