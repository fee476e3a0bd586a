#include "book/index_record.h"

#include <cstring>

#include "book/book_format.h"

namespace velmora::book {
namespace {

constexpr std::uint32_t kStyleOffset = 2;
constexpr std::uint32_t kIndentOffset = 3;
constexpr std::uint32_t kMaxTextLength = 0xFFFF;

}  // namespace

bool ReadIndexEntry(std::span<const std::uint8_t> record, std::uint32_t offset, IndexEntry* entry) {
  if (offset >= record.size() || record.size() - offset <= kStyleOffset) return false;
  if (record[offset + kStyleOffset] == 0) return false;
  const std::uint32_t textOffset = offset + kEntryHeaderSize;
  if (textOffset >= record.size()) return false;
  const std::uint8_t* text = record.data() + textOffset;
  const auto* nul =
      static_cast<const std::uint8_t*>(std::memchr(text, 0, record.size() - textOffset));
  if (nul == nullptr || nul - text > static_cast<std::ptrdiff_t>(kMaxTextLength)) {
    return false;
  }
  entry->offset = offset;
  entry->id = static_cast<std::uint16_t>(record[offset] | (record[offset + 1] << 8));
  entry->style = record[offset + kStyleOffset];
  entry->indent = record[offset + kIndentOffset];
  entry->text = text;
  entry->length = static_cast<std::uint16_t>(nul - text);
  return true;
}

std::optional<IndexEntry> FindArticleEntry(std::span<const std::uint8_t> record,
                                           std::uint16_t article) {
  const auto id = static_cast<std::uint16_t>(article | kIdArticle);
  std::optional<IndexEntry> found;
  WalkIndex(record, [&](const IndexEntry& entry) {
    if (entry.id != id) return true;
    found = entry;
    return false;
  });
  return found;
}

std::uint32_t MeasureIndexEntries(std::span<const std::uint8_t> record) {
  std::uint32_t end = 0;
  WalkIndex(record, [&](const IndexEntry& entry) {
    end = NextEntryOffset(entry);
    return true;
  });
  return end;
}

}  // namespace velmora::book
