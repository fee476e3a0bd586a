// Helpers shared by the layout, painting and scrolling of the TextView: the
// style tests of a line, the bytes a stream may be read in, and the walk to
// the first visible row.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "book/book_format.h"
#include "platform/memory.h"
#include "view/text_view.h"

namespace velmora::view {

inline constexpr std::uint8_t kSpace = 0x20;
inline constexpr std::uint8_t kHyphen = 0x2D;

// Offsets into a stream are 16-bit: nothing beyond this many bytes is read.
inline constexpr std::uint32_t kMaxStreamBytes = 0xFFFF;

inline bool IsRuleStyle(std::uint8_t style) { return (style & book::RuleItem) == book::RuleItem; }

inline bool HasBlankRowAfter(std::uint8_t style) { return (style & book::StyleBlankRowAfter) != 0; }

// The style whose font a paint starts with: rules and the terminator have
// none of their own.
inline std::uint8_t FontStyleOf(const ViewLine& line) {
  return IsRuleStyle(line.style) || line.style == 0 ? kDefaultFontKey : line.style;
}

// Rows a line takes: itself and, after it, its blank row.
inline std::uint32_t RowsOfLine(const ViewLine& line) {
  return HasBlankRowAfter(line.style) ? 2u : 1u;
}

// The bytes of `text` that offsets can address.
inline std::span<const std::uint8_t> StreamBytes(const platform::HeapBuffer& text) {
  return {text.get(), std::min(text.size, kMaxStreamBytes)};
}

// Where painting starts: the first line at or after topRow, and the top of
// the view and the height left once a leading blank row is skipped.
struct VisibleStart {
  std::uint32_t line = 0;
  std::int32_t y = 0;
  std::int32_t space = 0;
};

// Falls back to lastTopRow when topRow lies beyond the text (and stores it),
// then finds the first visible line. The view must have a table.
VisibleStart FindFirstVisibleLine(TextView* view);

// The label of a labelled first line: stored bytes and their count.
struct LabelRun {
  const std::uint8_t* text = nullptr;
  std::int32_t count = 0;
};

// The label of `line`, a labelled first line: in a reversed paragraph it
// follows the main run in stored order (past the rest of its word and the
// spaces) up to the item's end; in reading order it is the word at the
// line's offset.
LabelRun FindLineLabel(const TextView& view, const ViewLine& line);

// The first byte of `text` that is not a space.
const std::uint8_t* SkipSpaces(const std::uint8_t* text);

}  // namespace velmora::view
