// The book as its source file describes it: sections of articles, every text
// already in LetterCode bytes, reading order.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "tools/mkbook/letter_code.h"

namespace velmora::mkbook {

struct SourceArticle {
  int line = 0;      // line of its @article, for messages
  LetterText entry;  // its entry in the table of contents
  LetterText heading;
  std::optional<LetterText> subheading;
  std::vector<LetterText> paragraphs;  // one or more
};

struct SourceSection {
  int line = 0;  // line of its @section
  LetterText heading;
  std::vector<SourceArticle> articles;  // one or more
};

// Articles are numbered 1, 2, ... across the sections, in order.
struct BookSource {
  std::vector<SourceSection> sections;
};

// The number of articles in `book`.
std::size_t ArticleCountOf(const BookSource& book);

}  // namespace velmora::mkbook
