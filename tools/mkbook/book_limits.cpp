#include "tools/mkbook/book_limits.h"

#include <string>

#include "book/book_format.h"
#include "tools/mkbook/book_content.h"
#include "tools/mkbook/source_text.h"

namespace velmora::mkbook {

Status CheckArticleCount(std::size_t articleCount) {
  if (articleCount == 0) return {"the book has no articles"};
  if (articleCount > book::kIdNumber) {
    return {std::to_string(articleCount) + " articles are more than the " +
            std::to_string(book::kIdNumber) + " that the index ids can number"};
  }
  return {};
}

Status CheckIndexIds(const BookSource& book, std::string_view fileName) {
  const std::size_t articleCount = ArticleCountOf(book);
  std::size_t position = 0;
  for (const SourceSection& section : book.sections) {
    const int number = HeadingNumberAt(position);
    const SourcePlace place{fileName, section.line, 1};
    if (number <= 0 || static_cast<std::size_t>(number) <= articleCount) {
      return {SourceMessage(place, "too many index entries: this section heading is entry " +
                                       std::to_string(position) + " and would get the number " +
                                       std::to_string(number) +
                                       ", which must be greater than the article count " +
                                       std::to_string(articleCount))};
    }
    position += 1 + section.articles.size();
  }
  return {};
}

}  // namespace velmora::mkbook
