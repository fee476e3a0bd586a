// From the parsed source to finished records: content, limits, compression
// and a check of every record by decoding it again.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/mkbook/book_source.h"
#include "tools/mkbook/compiled_book.h"
#include "tools/mkbook/result.h"

namespace velmora::mkbook {

// The decompressed content of every record.
struct BookContent {
  std::vector<std::vector<std::uint8_t>> articles;  // article n at n - 1
  std::vector<std::uint8_t> index;
};

// Builds the article streams and the index of `book`, refusing (with
// messages that name `fileName` and, where there is one, the line) a book
// with no articles, more articles or index entries than the ids can number,
// an article or an index over kMaxDecompressedSize bytes.
Result<BookContent> BuildBookContent(const BookSource& book, std::string_view fileName);

// Compresses every record of `content` into its resource bytes and decodes
// each one again, which must give back exactly its content.
Result<CompiledBook> CompileBook(const BookContent& content);

}  // namespace velmora::mkbook
