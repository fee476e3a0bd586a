#include "book/paragraph_stream.h"

#include <cstring>

#include "book/book_format.h"

namespace velmora::book {
namespace {

// Offsets and text lengths of a stream are 16-bit.
constexpr std::uint32_t kMaxStreamOffset = 0xFFFF;

}  // namespace

bool ReadStreamItem(std::span<const std::uint8_t> stream, std::uint32_t offset, StreamItem* item) {
  if (offset >= stream.size() || offset > kMaxStreamOffset) return false;
  if (stream[offset] == 0) return false;
  const std::uint32_t textOffset = offset + kItemHeaderSize;
  if (textOffset >= stream.size()) return false;
  const std::uint8_t* text = stream.data() + textOffset;
  const auto* nul =
      static_cast<const std::uint8_t*>(std::memchr(text, 0, stream.size() - textOffset));
  if (nul == nullptr || nul - text > static_cast<std::ptrdiff_t>(kMaxStreamOffset)) {
    return false;
  }
  item->offset = static_cast<std::uint16_t>(offset);
  item->style = stream[offset];
  item->measure = stream[offset + 1];
  item->text = text;
  item->length = static_cast<std::uint16_t>(nul - text);
  return true;
}

}  // namespace velmora::book
