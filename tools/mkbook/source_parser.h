// The book source parser: one UTF-8 text of directives and paragraphs to the
// book's sections and articles (the format is described in book/FORMAT.md).
#pragma once

#include <string_view>

#include "tools/mkbook/book_source.h"
#include "tools/mkbook/result.h"

namespace velmora::mkbook {

// Parses the book source `text`. On failure the message reads
// "FILE:LINE:COLUMN: ..." with `fileName` as FILE and names the character or
// the directive at fault. A source without any section parses to an empty
// book; refusing it is left to the size and id checks.
Result<BookSource> ParseBookSource(std::string_view text, std::string_view fileName);

}  // namespace velmora::mkbook
