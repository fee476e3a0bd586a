// Walking the book index: entries in order, lookups by article, the size of
// the list, and no read past the record's bytes.
#include "book/index_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "book/book_format.h"
#include "tests/support/test_book.h"

namespace velmora::book {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t Heading(std::uint16_t number) { return kIdHeading | number; }
constexpr std::uint16_t Article(std::uint16_t number) { return kIdArticle | number; }

std::string TextOf(const IndexEntry& entry) {
  return std::string(reinterpret_cast<const char*>(entry.text), entry.length);
}

const test::EntrySpec kEntries[] = {
    {Heading(kFirstHeadingNumber), kSectionHeadingStyle, kSectionIndent, "ab cd"},
    {Heading(5), kSectionHeadingStyle, kSectionIndent, "false five"},
    {Article(5), kArticleEntryStyle, kArticleIndent, "e"},
    {Article(6), kArticleEntryStyle, kArticleIndent, ""},
    {Article(0x123), kArticleEntryStyle, kArticleIndent, "fg"},
    {Article(5), 0x81, kArticleIndent, "later copy"},
};

TEST(WalkIndex, VisitsEveryEntryWithItsFields) {
  const Bytes record = test::MakeIndexRecord(kEntries);
  std::vector<IndexEntry> seen;
  WalkIndex(record, [&](const IndexEntry& entry) {
    seen.push_back(entry);
    return true;
  });
  ASSERT_EQ(seen.size(), std::size(kEntries));
  std::uint32_t offset = 0;
  for (std::size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(seen[i].offset, offset);
    EXPECT_EQ(seen[i].id, kEntries[i].id);
    EXPECT_EQ(seen[i].style, kEntries[i].style);
    EXPECT_EQ(seen[i].indent, kEntries[i].indent);
    EXPECT_EQ(TextOf(seen[i]), kEntries[i].text);
    offset += kEntryHeaderSize + kEntries[i].text.size() + 1;
  }
}

TEST(WalkIndex, IdWordIsLittleEndian) {
  const Bytes record = {0x34, 0x42, kArticleEntryStyle, kArticleIndent, 'a', 0, 0, 0, 0, 0, 0};
  auto entry = FindArticleEntry(record, 0x234);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->id, 0x4234);
}

TEST(FindArticleEntry, TakesTheFirstArticleEntryWithTheNumber) {
  const Bytes record = test::MakeIndexRecord(kEntries);
  auto five = FindArticleEntry(record, 5);
  ASSERT_TRUE(five);
  EXPECT_EQ(TextOf(*five), "e");  // not the heading numbered 5, not the copy
  auto big = FindArticleEntry(record, 0x123);
  ASSERT_TRUE(big);
  EXPECT_EQ(TextOf(*big), "fg");
  EXPECT_FALSE(FindArticleEntry(record, 7));
  EXPECT_FALSE(FindArticleEntry(record, kFirstHeadingNumber));
}

TEST(FindArticleEntry, NothingAfterTheEndMarkIsRead) {
  const test::EntrySpec before[] = {{Article(1), kArticleEntryStyle, kArticleIndent, "a"}};
  Bytes record = test::MakeIndexRecord(before);
  const Bytes after = {0x02, 0x40, kArticleEntryStyle, kArticleIndent, 'b', 0};
  record.insert(record.end(), after.begin(), after.end());
  EXPECT_TRUE(FindArticleEntry(record, 1));
  EXPECT_FALSE(FindArticleEntry(record, 2));
}

TEST(MeasureIndexEntries, CountsTheBytesBeforeTheEndMark) {
  const Bytes record = test::MakeIndexRecord(kEntries);
  EXPECT_EQ(MeasureIndexEntries(record), record.size() - kEndMarkSize);
  const Bytes empty = test::MakeIndexRecord({});
  EXPECT_EQ(MeasureIndexEntries(empty), 0u);
}

TEST(WalkIndex, TruncatedRecordsEndAtTheLastWholeEntry) {
  const struct {
    const char* what;
    Bytes record;
    std::uint32_t measured;
  } cases[] = {
      {"empty", {}, 0},
      {"id word only", {0x01, 0x40}, 0},
      {"no indent", {0x01, 0x40, 0x01}, 0},
      {"no text or NUL", {0x01, 0x40, 0x01, 0x02}, 0},
      {"text without NUL", {0x01, 0x40, 0x01, 0x02, 'a'}, 0},
      {"second entry cut", {0x01, 0x40, 0x01, 0x02, 'a', 0, 0x02, 0x40, 0x01}, 6},
      {"no end mark", {0x01, 0x40, 0x01, 0x02, 'a', 0}, 6},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MeasureIndexEntries(c.record), c.measured) << c.what;
  }
}

}  // namespace
}  // namespace velmora::book
