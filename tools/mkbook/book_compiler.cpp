#include "tools/mkbook/book_compiler.h"

#include <string>
#include <utility>

#include "book/book_format.h"
#include "tools/mkbook/book_content.h"
#include "tools/mkbook/book_limits.h"
#include "tools/mkbook/record_check.h"
#include "tools/mkbook/record_writer.h"
#include "tools/mkbook/source_text.h"

namespace velmora::mkbook {
namespace {

std::string OverLimit(std::size_t size) {
  return " decompresses to " + std::to_string(size) + " bytes, over the limit of " +
         std::to_string(book::kMaxDecompressedSize);
}

// Compresses `raw` and proves the record by decoding it.
Result<CompiledRecord> CompileRecord(const std::vector<std::uint8_t>& raw, std::uint16_t resourceId,
                                     std::uint16_t firstNumber, std::uint16_t lastNumber) {
  const std::string name = "record " + std::to_string(resourceId);
  std::vector<std::uint8_t> bytes = MakeBookRecord(raw, firstNumber, lastNumber);
  if (bytes.empty()) {
    return Failure<CompiledRecord>(name + ": content does not fit a record");
  }
  const Result<std::vector<std::uint8_t>> decoded = DecodeBookRecord(bytes);
  if (!decoded.ok()) return Failure<CompiledRecord>(name + ": " + decoded.error);
  if (decoded.value != raw) {
    return Failure<CompiledRecord>(name + ": decodes to other bytes than its content");
  }
  return {{resourceId, std::move(bytes), static_cast<std::uint32_t>(raw.size())}, {}};
}

}  // namespace

Result<BookContent> BuildBookContent(const BookSource& book, std::string_view fileName) {
  const std::string file(fileName);
  if (Status count = CheckArticleCount(ArticleCountOf(book)); !count.ok()) {
    return Failure<BookContent>(file + ": " + count.error);
  }
  if (Status ids = CheckIndexIds(book, fileName); !ids.ok()) {
    return Failure<BookContent>(ids.error);
  }
  BookContent content;
  for (const SourceSection& section : book.sections) {
    for (const SourceArticle& article : section.articles) {
      content.articles.push_back(BuildArticleStream(article));
      const std::size_t size = content.articles.back().size();
      if (size > book::kMaxDecompressedSize) {
        return Failure<BookContent>(
            SourceMessage({fileName, article.line, 1},
                          "article " + std::to_string(content.articles.size()) + OverLimit(size)));
      }
    }
  }
  content.index = BuildIndexRecord(book);
  if (content.index.size() > book::kMaxDecompressedSize) {
    return Failure<BookContent>(file + ": the index" + OverLimit(content.index.size()));
  }
  return {std::move(content), {}};
}

Result<CompiledBook> CompileBook(const BookContent& content) {
  if (Status count = CheckArticleCount(content.articles.size()); !count.ok()) {
    return Failure<CompiledBook>(count.error);
  }
  CompiledBook compiled;
  compiled.articleCount = static_cast<std::uint16_t>(content.articles.size());
  for (std::uint16_t n = 1; n <= compiled.articleCount; ++n) {
    Result<CompiledRecord> record = CompileRecord(
        content.articles[n - 1u], static_cast<std::uint16_t>(n + book::kRecordIdBase), n, n);
    if (!record.ok()) return Failure<CompiledBook>(record.error);
    compiled.records.push_back(std::move(record.value));
  }
  Result<CompiledRecord> index = CompileRecord(content.index, book::kIndexResourceId,
                                               book::kIndexFirstNumber, book::kIndexLastNumber);
  if (!index.ok()) return Failure<CompiledBook>(index.error);
  compiled.records.push_back(std::move(index.value));
  return {std::move(compiled), {}};
}

}  // namespace velmora::mkbook
