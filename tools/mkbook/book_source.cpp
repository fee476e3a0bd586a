#include "tools/mkbook/book_source.h"

namespace velmora::mkbook {

std::size_t ArticleCountOf(const BookSource& book) {
  std::size_t count = 0;
  for (const SourceSection& section : book.sections) count += section.articles.size();
  return count;
}

}  // namespace velmora::mkbook
