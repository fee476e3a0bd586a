// Walking a ParagraphStream: items in order, the end at the first zero style
// byte, and no read past the bytes the stream has.
#include "book/paragraph_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "book/book_format.h"
#include "tests/support/test_book.h"

namespace velmora::book {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Seen {
  std::uint16_t offset;
  std::uint8_t style;
  std::uint8_t measure;
  std::string text;
  bool operator==(const Seen&) const = default;
};

// Walks `stream`, held in a block of exactly its size.
std::vector<Seen> Walk(const Bytes& stream) {
  std::vector<Seen> seen;
  WalkStream(stream, [&](const StreamItem& item) {
    seen.push_back({item.offset, item.style, item.measure,
                    std::string(reinterpret_cast<const char*>(item.text), item.length)});
    return true;
  });
  return seen;
}

TEST(WalkStream, VisitsEveryItemInOrder) {
  const test::ItemSpec items[] = {{ArticleHeadingStyle, 0, "abc"},
                                  {ArticleSubheadingStyle, 0x45, "de f"},
                                  {0x87, 20, ""},
                                  {BodyStyle, 0, "g"}};
  const std::vector<Seen> expected = {{0, ArticleHeadingStyle, 0, "abc"},
                                      {6, ArticleSubheadingStyle, 0x45, "de f"},
                                      {13, 0x87, 20, ""},
                                      {16, BodyStyle, 0, "g"}};
  EXPECT_EQ(Walk(test::MakeParagraphStream(items)), expected);
}

TEST(WalkStream, StopsAtTheFirstZeroStyleByte) {
  const test::ItemSpec items[] = {{BodyStyle, 0, "ab"}};
  Bytes stream = test::MakeParagraphStream(items);
  const Bytes more = {BodyStyle, 0, 'x', 0, 0};
  stream.insert(stream.end(), more.begin(), more.end());
  EXPECT_EQ(Walk(stream).size(), 1u);
}

TEST(WalkStream, StopsWhenTheVisitorSaysSo) {
  const test::ItemSpec items[] = {{BodyStyle, 0, "a"}, {BodyStyle, 0, "b"}};
  const Bytes stream = test::MakeParagraphStream(items);
  int visits = 0;
  WalkStream(stream, [&](const StreamItem&) { return ++visits < 1; });
  EXPECT_EQ(visits, 1);
}

TEST(WalkStream, TruncatedStreamsEndAtTheLastWholeItem) {
  const struct {
    const char* what;
    Bytes stream;
    std::size_t items;
  } cases[] = {
      {"empty", {}, 0},
      {"style byte only", {BodyStyle}, 0},
      {"no text or NUL", {BodyStyle, 0}, 0},
      {"text without NUL", {BodyStyle, 0, 'a', 'b'}, 0},
      {"second item cut in its text", {BodyStyle, 0, 'a', 0, BodyStyle, 0, 'b'}, 1},
      {"no end mark after a whole item", {BodyStyle, 0, 'a', 0}, 1},
      {"empty text as the last bytes", {BodyStyle, 0, 'a', 0, 0x87, 5, 0}, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Walk(c.stream).size(), c.items) << c.what;
  }
}

TEST(ReadStreamItem, OffsetsOutsideTheStreamReadNothing) {
  const Bytes stream = {BodyStyle, 0, 'a', 0, 0};
  StreamItem item;
  EXPECT_FALSE(ReadStreamItem(stream, 5, &item));
  EXPECT_FALSE(ReadStreamItem(stream, 0xFFFFFFFF, &item));
  EXPECT_FALSE(ReadStreamItem(std::span(stream).first(0), 0, &item));
}

}  // namespace
}  // namespace velmora::book
