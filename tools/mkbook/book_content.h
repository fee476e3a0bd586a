// The decompressed content of the book records, built from the parsed
// source: one ParagraphStream per article and the index record.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/mkbook/book_source.h"

namespace velmora::mkbook {

// The ParagraphStream of `article`: its heading (ArticleHeadingStyle), its
// subheading if any (ArticleSubheadingStyle) and each paragraph (BodyStyle),
// every item with measure byte 0 and its text in display order; then the
// zero style byte and two more zero bytes.
std::vector<std::uint8_t> BuildArticleStream(const SourceArticle& article);

// The heading number of the index entry at position `position` (entries
// counted from 0): kFirstHeadingNumber - position. May be zero or negative
// for a book too large for the index ids.
int HeadingNumberAt(std::size_t position);

// The number of index entries: one per section and one per article.
std::size_t IndexEntryCount(const BookSource& book);

// The index record: for each section a heading entry (kIdHeading | its
// number, kSectionHeadingStyle, kSectionIndent) followed by its articles'
// entries (kIdArticle | n, kArticleEntryStyle, kArticleIndent), texts in
// display order; then the five-byte end mark. Assumes the ids fit (see
// CheckIndexIds).
std::vector<std::uint8_t> BuildIndexRecord(const BookSource& book);

}  // namespace velmora::mkbook
