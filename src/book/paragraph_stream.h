// Walking a ParagraphStream: items of style byte, measure byte and text.
#pragma once

#include <cstdint>
#include <span>

#include "book/book_format.h"

namespace velmora::book {

// One item of a stream, as the walk finds it.
struct StreamItem {
  std::uint16_t offset = 0;  // offset of the style byte
  std::uint8_t style = 0;
  std::uint8_t measure = 0;
  const std::uint8_t* text = nullptr;  // first text byte (stream + offset + 2)
  std::uint16_t length = 0;            // text bytes before the NUL
};

// Reads the item at `offset` of `stream`. Returns false at the end of the
// stream: a zero style byte, or an item that does not lie wholly inside
// `stream` (its text NUL included).
bool ReadStreamItem(std::span<const std::uint8_t> stream, std::uint32_t offset, StreamItem* item);

// The offset of the item after `item`: right after its text's NUL.
inline std::uint32_t NextItemOffset(const StreamItem& item) {
  return static_cast<std::uint32_t>(item.offset) + kItemHeaderSize + item.length + 1;
}

// Calls `visit(item)` for each item in order until the end of the stream or
// until `visit` returns false.
template <class Visit>
void WalkStream(std::span<const std::uint8_t> stream, Visit&& visit) {
  StreamItem item;
  for (std::uint32_t offset = 0; ReadStreamItem(stream, offset, &item);
       offset = NextItemOffset(item)) {
    if (!visit(item)) return;
  }
}

}  // namespace velmora::book
