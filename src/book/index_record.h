// Walking the book index: a flat list of IndexEntry items ended by an entry
// whose style byte is 0.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "book/book_format.h"

namespace velmora::book {

struct IndexEntry {
  std::uint32_t offset = 0;  // offset of the id word in the record
  std::uint16_t id = 0;      // id word: kIdHeading or kIdArticle | number
  std::uint8_t style = 0;
  std::uint8_t indent = 0;
  const std::uint8_t* text = nullptr;  // LetterCode bytes, display order
  std::uint16_t length = 0;            // text bytes before the NUL
};

// Reads the entry at `offset`. Returns false at the end mark, or when the
// entry does not lie wholly inside `record` (its NUL included).
bool ReadIndexEntry(std::span<const std::uint8_t> record, std::uint32_t offset, IndexEntry* entry);

// The offset of the entry after `entry`: right after its text's NUL.
inline std::uint32_t NextEntryOffset(const IndexEntry& entry) {
  return entry.offset + kEntryHeaderSize + entry.length + 1;
}

// Calls `visit(entry)` for each entry in order until the end mark or until
// `visit` returns false.
template <class Visit>
void WalkIndex(std::span<const std::uint8_t> record, Visit&& visit) {
  IndexEntry entry;
  for (std::uint32_t offset = 0; ReadIndexEntry(record, offset, &entry);
       offset = NextEntryOffset(entry)) {
    if (!visit(entry)) return;
  }
}

// The first entry whose id word is `article` | kIdArticle, or nothing.
std::optional<IndexEntry> FindArticleEntry(std::span<const std::uint8_t> record,
                                           std::uint16_t article);

// The bytes of all entries up to the end mark (the end mark not counted).
std::uint32_t MeasureIndexEntries(std::span<const std::uint8_t> record);

}  // namespace velmora::book
