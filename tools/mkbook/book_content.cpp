#include "tools/mkbook/book_content.h"

#include "book/book_format.h"

namespace velmora::mkbook {
namespace {

void AppendItem(std::vector<std::uint8_t>& stream, std::uint8_t style, const LetterText& text) {
  const LetterText display = ToDisplayOrder(text);
  stream.push_back(style);
  stream.push_back(0);  // measure: no indent, no label
  stream.insert(stream.end(), display.begin(), display.end());
  stream.push_back(0);
}

void AppendEntry(std::vector<std::uint8_t>& index, std::uint16_t id, std::uint8_t style,
                 std::uint8_t indent, const LetterText& text) {
  const LetterText display = ToDisplayOrder(text);
  index.push_back(static_cast<std::uint8_t>(id & 0xFF));  // little-endian
  index.push_back(static_cast<std::uint8_t>(id >> 8));
  index.push_back(style);
  index.push_back(indent);
  index.insert(index.end(), display.begin(), display.end());
  index.push_back(0);
}

}  // namespace

std::vector<std::uint8_t> BuildArticleStream(const SourceArticle& article) {
  std::vector<std::uint8_t> stream;
  AppendItem(stream, book::ArticleHeadingStyle, article.heading);
  if (article.subheading) {
    AppendItem(stream, book::ArticleSubheadingStyle, *article.subheading);
  }
  for (const LetterText& paragraph : article.paragraphs) {
    AppendItem(stream, book::BodyStyle, paragraph);
  }
  stream.insert(stream.end(), book::kStreamEndSize, 0);
  return stream;
}

int HeadingNumberAt(std::size_t position) {
  return static_cast<int>(book::kFirstHeadingNumber) - static_cast<int>(position);
}

std::size_t IndexEntryCount(const BookSource& book) {
  return book.sections.size() + ArticleCountOf(book);
}

std::vector<std::uint8_t> BuildIndexRecord(const BookSource& book) {
  std::vector<std::uint8_t> index;
  std::size_t position = 0;
  std::uint16_t articleNumber = 0;
  for (const SourceSection& section : book.sections) {
    const auto number = static_cast<std::uint16_t>(HeadingNumberAt(position++));
    AppendEntry(index, static_cast<std::uint16_t>(book::kIdHeading | (number & book::kIdNumber)),
                book::kSectionHeadingStyle, book::kSectionIndent, section.heading);
    for (const SourceArticle& article : section.articles) {
      ++position;
      ++articleNumber;
      AppendEntry(index,
                  static_cast<std::uint16_t>(book::kIdArticle | (articleNumber & book::kIdNumber)),
                  book::kArticleEntryStyle, book::kArticleIndent, article.entry);
    }
  }
  index.insert(index.end(), book::kEndMarkSize, 0);
  return index;
}

}  // namespace velmora::mkbook
