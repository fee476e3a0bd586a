// The book compiled into the program: every record is well formed, decodes
// with exact fill and no input left over, and holds what its readers expect.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <span>

#include "book/book_format.h"
#include "book/index_record.h"
#include "book/palmdoc.h"
#include "book/paragraph_stream.h"
#include "book/record.h"
#include "platform/headless/headless.h"
#include "platform/resources.h"
#include "resources/article_count.h"

namespace velmora::book {
namespace {

std::uint16_t BigEndian16(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
}

// Checks the record's framing and decodes it with the bare decoder, which
// tells how much input was used. Returns the decompressed size.
std::uint32_t CheckFraming(int recordNumber) {
  auto resource =
      platform::FindResource(platform::ResourceType::kRawData, RecordResourceId(recordNumber));
  EXPECT_TRUE(resource);
  if (!resource || resource->size() < kRecordHeaderSize + kBlockHeaderSize) return 0;
  const std::uint8_t* bytes = resource->data();
  const std::uint32_t csize = BigEndian16(bytes + kRecordHeaderSize);
  const std::uint32_t dsize = BigEndian16(bytes + kRecordHeaderSize + 2);
  EXPECT_EQ(BigEndian16(bytes), resource->size() - kRecordHeaderSize);
  EXPECT_EQ(resource->size(), kRecordHeaderSize + kBlockHeaderSize + csize + kRecordTrailerSize);
  if (resource->size() != kRecordHeaderSize + kBlockHeaderSize + csize + kRecordTrailerSize) {
    return 0;
  }
  for (std::uint32_t i = 0; i < kRecordTrailerSize; ++i) {
    EXPECT_EQ(bytes[resource->size() - 1 - i], 0);
  }
  std::vector<std::uint8_t> output(dsize);
  const DecodeResult decoded =
      DecodePalmDoc(resource->subspan(kRecordHeaderSize + kBlockHeaderSize, csize), output);
  EXPECT_TRUE(decoded.filled);
  EXPECT_EQ(decoded.consumed, csize);  // no input left over
  return dsize;
}

TEST(EmbeddedBook, EveryArticleLoadsWithExactFill) {
  for (int article = 1; article <= ArticleCount; ++article) {
    SCOPED_TRACE(article);
    const std::uint32_t dsize = CheckFraming(article);
    int reason = 0;
    platform::HeapBuffer stream = LoadBookRecord(article, &reason);
    ASSERT_TRUE(stream);
    ASSERT_EQ(stream.size, dsize);

    // A heading first, then items up to a zero style byte followed by two
    // more zero bytes inside the content.
    std::span<const std::uint8_t> bytes(stream.get(), stream.size);
    std::uint32_t end = 0;
    int items = 0;
    WalkStream(bytes, [&](const StreamItem& item) {
      if (items++ == 0) {
        EXPECT_EQ(item.style, ArticleHeadingStyle);
      }
      end = NextItemOffset(item);
      return true;
    });
    EXPECT_GE(items, 2);
    ASSERT_LE(end + 3, stream.size);
    EXPECT_EQ(bytes[end], 0);
    EXPECT_EQ(bytes[end + 1], 0);
    EXPECT_EQ(bytes[end + 2], 0);
  }
  EXPECT_EQ(platform::headless::LiveHeapBlocks(), 0);
}

TEST(EmbeddedBook, NoRecordAfterTheLastArticle) {
  int reason = 0;
  EXPECT_FALSE(LoadBookRecord(ArticleCount + 1, &reason));
  EXPECT_EQ(reason, RecordMissing);
}

TEST(EmbeddedBook, IndexListsEveryArticleOnceInOrder) {
  const std::uint32_t dsize = CheckFraming(IndexRecordNumber);
  platform::HeapBuffer index = LoadBookRecord(IndexRecordNumber, nullptr);
  ASSERT_TRUE(index);
  ASSERT_EQ(index.size, dsize);
  std::span<const std::uint8_t> bytes(index.get(), index.size);
  EXPECT_EQ(MeasureIndexEntries(bytes) + kEndMarkSize, index.size);

  int lastArticle = 0;
  int position = 0;
  std::set<std::uint16_t> headings;
  WalkIndex(bytes, [&](const IndexEntry& entry) {
    if (entry.id & kIdHeading) {
      EXPECT_EQ(entry.id & kIdNumber, kFirstHeadingNumber - position);
      EXPECT_EQ(entry.indent, kSectionIndent);
      headings.insert(entry.id);
    } else {
      EXPECT_EQ(entry.id & kIdArticle, kIdArticle);
      EXPECT_EQ(entry.id & kIdNumber, lastArticle + 1);
      EXPECT_EQ(entry.indent, kArticleIndent);
      lastArticle = entry.id & kIdNumber;
    }
    ++position;
    return true;
  });
  EXPECT_EQ(lastArticle, ArticleCount);
  EXPECT_FALSE(headings.empty());
  EXPECT_EQ(bytes[0 + 2], kSectionHeadingStyle);
}

}  // namespace
}  // namespace velmora::book
