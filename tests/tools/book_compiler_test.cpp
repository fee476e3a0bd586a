// From parsed book to records: the limits of the format are refused with a
// message that says so, and every record comes out numbered and decodable.
#include "tools/mkbook/book_compiler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/mkbook/record_check.h"

namespace velmora::mkbook {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kFile = "book.txt";

SourceArticle SmallArticle(int line) {
  SourceArticle article;
  article.line = line;
  article.entry = {'a'};
  article.heading = {'b'};
  article.paragraphs = {{'c'}};
  return article;
}

// Sections of small articles, as many as `articles` says for each; section
// s starts at line 1000 * (s + 1).
BookSource SmallBook(std::vector<std::size_t> articles) {
  BookSource book;
  for (std::size_t s = 0; s < articles.size(); ++s) {
    SourceSection section{static_cast<int>(1000 * (s + 1)), {'s'}, {}};
    for (std::size_t a = 0; a < articles[s]; ++a) {
      section.articles.push_back(SmallArticle(section.line + 1 + static_cast<int>(a)));
    }
    book.sections.push_back(std::move(section));
  }
  return book;
}

std::string Build(const BookSource& book) { return BuildBookContent(book, kFile).error; }

TEST(BookLimits, RefusesABookWithoutArticles) {
  EXPECT_EQ(Build(BookSource{}), "book.txt: the book has no articles");
}

TEST(BookLimits, ArticleOverSixtyFourKiBIsRefused) {
  // Stream: heading item 4 bytes, paragraph item 3 + p bytes, end 3 bytes.
  BookSource book = SmallBook({2});
  SourceArticle& big = book.sections[0].articles[1];
  big.paragraphs[0].assign(65525, 'a');
  EXPECT_EQ(Build(book), "");
  big.paragraphs[0].push_back('a');
  EXPECT_EQ(Build(book),
            "book.txt:1002:1: article 2 decompresses to 65536 bytes, over the limit "
            "of 65535");
}

TEST(BookLimits, IndexOverSixtyFourKiBIsRefused) {
  // Index: heading entry 5 + L bytes, one article entry 6, end mark 5.
  BookSource book = SmallBook({1});
  book.sections[0].heading.assign(65519, 's');
  EXPECT_EQ(Build(book), "");
  book.sections[0].heading.push_back('s');
  EXPECT_EQ(Build(book),
            "book.txt: the index decompresses to 65536 bytes, over the limit of 65535");
}

TEST(BookLimits, HeadingNumbersMustStayAboveTheArticleCount) {
  // A first section of k articles puts the second heading at entry k + 1,
  // numbered 16381 - k, which must exceed the k + 1 articles.
  EXPECT_EQ(Build(SmallBook({8189, 1})), "");
  EXPECT_EQ(Build(SmallBook({8190, 1})),
            "book.txt:2000:1: too many index entries: this section heading is entry "
            "8191 and would get the number 8191, which must be greater than the "
            "article count 8191");
}

TEST(BookLimits, ArticleNumbersMustFitTheIdBits) {
  EXPECT_EQ(Build(SmallBook({16384})),
            "book.txt: 16384 articles are more than the 16383 that the index ids can "
            "number");
}

TEST(CompileBook, NumbersRecordsAndDecodesThemBack) {
  const Result<BookContent> content = BuildBookContent(SmallBook({2, 2}), kFile);
  ASSERT_TRUE(content.ok()) << content.error;
  const Result<CompiledBook> compiled = CompileBook(content.value);
  ASSERT_TRUE(compiled.ok()) << compiled.error;
  EXPECT_EQ(compiled.value.articleCount, 4);
  ASSERT_EQ(compiled.value.records.size(), 5u);
  const std::uint16_t ids[] = {1001, 1002, 1003, 1004, 32767};
  const std::uint16_t firstLast[][2] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {1, 255}};
  for (std::size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    const CompiledRecord& record = compiled.value.records[i];
    const Bytes& raw = i < 4 ? content.value.articles[i] : content.value.index;
    EXPECT_EQ(record.resourceId, ids[i]);
    EXPECT_EQ(record.bytes[2] << 8 | record.bytes[3], firstLast[i][0]);
    EXPECT_EQ(record.bytes[4] << 8 | record.bytes[5], firstLast[i][1]);
    EXPECT_EQ(record.decompressedSize, raw.size());
    EXPECT_EQ(DecodeBookRecord(record.bytes).value, raw);
  }
}

}  // namespace
}  // namespace velmora::mkbook
