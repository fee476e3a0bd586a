// What the record format and the index ids leave room for.
//
// Article n is resource n + 1000 and its index entry carries n in the 14
// number bits of its id, so a book holds 1 to kIdNumber (16383) articles.
// Section headings are numbered by their position p among the index
// entries as kFirstHeadingNumber - p. A heading number must be greater than
// the article count N, so that no heading shares its number with an article
// (for readers that compare number bits alone). It then never equals 2167
// either, the number of the Bookmarks heading that the program adds at run
// time: as every section holds an article, p <= 2N - 2, so a heading number
// is at least 16384 - 2N, which is 2167 or less only when N >= 7109, and
// then it must exceed N. Every record decompresses to at most
// kMaxDecompressedSize bytes; as an index entry takes at least six bytes,
// that bounds a book to 10921 index entries as well.
#pragma once

#include <cstddef>
#include <string_view>

#include "tools/mkbook/book_source.h"
#include "tools/mkbook/result.h"

namespace velmora::mkbook {

// Fails for no articles or more than the index ids can number. The message
// names no file.
Status CheckArticleCount(std::size_t articleCount);

// Fails, naming the @section line of `fileName`, when a section heading's
// number would not be greater than the article count.
Status CheckIndexIds(const BookSource& book, std::string_view fileName);

}  // namespace velmora::mkbook
