// The files that embed the book: the record table must point at each
// record's bytes in the blob, and the count and assembly must be as the
// build expects them.
#include "tools/mkbook/book_outputs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"
#include "tools/mkbook/file_io.h"

namespace velmora::mkbook {
namespace {

using Bytes = std::vector<std::uint8_t>;

CompiledBook TwoArticles() {
  CompiledBook book;
  book.articleCount = 2;
  book.records = {{1001, Bytes(5, 1), 9}, {1002, Bytes(7, 2), 9}, {32767, Bytes(3, 3), 9}};
  return book;
}

std::string ReadText(const std::filesystem::path& path) {
  const Result<Bytes> bytes = ReadFileBytes(path);
  return std::string(bytes.value.begin(), bytes.value.end());
}

TEST(BookOutputs, ArticleCountHeaderDefinesTheCount) {
  const std::string header = ArticleCountHeader(929);
  EXPECT_NE(header.find("#pragma once"), std::string::npos);
  EXPECT_NE(header.find("#include <cstdint>"), std::string::npos);
  EXPECT_NE(
      header.find("namespace velmora {\ninline constexpr std::uint16_t ArticleCount = 929;\n}"),
      std::string::npos);
}

TEST(BookOutputs, RecordTablePointsIntoTheBlob) {
  const CompiledBook book = TwoArticles();
  Bytes blob = Bytes(5, 1);
  blob.insert(blob.end(), 7, 2);
  blob.insert(blob.end(), 3, 3);
  EXPECT_EQ(BookBlob(book), blob);
  const std::string source = BookResourcesSource(book);
  EXPECT_NE(source.find("std::array<platform::ResourceEntry, 3>"), std::string::npos);
  EXPECT_NE(source.find("{ResourceType::kRawData, 1001, velmora_book_blob + 0, 5},\n"
                        "    {ResourceType::kRawData, 1002, velmora_book_blob + 5, 7},\n"
                        "    {ResourceType::kRawData, 32767, velmora_book_blob + 12, 3},\n"),
            std::string::npos)
      << source;
  EXPECT_NE(source.find("std::span<const platform::ResourceEntry> BookResources()"),
            std::string::npos);
}

TEST(BookOutputs, WritesTheFourFilesWithTheBlobByAbsolutePath) {
  test::TempFolder folder;
  const std::filesystem::path out = folder.path() / "new" / "folder";
  ASSERT_TRUE(WriteBookOutputs(TwoArticles(), out).ok());
  EXPECT_EQ(ReadFileBytes(out / "book_blob.bin").value, BookBlob(TwoArticles()));
  EXPECT_EQ(ReadText(out / "article_count.h"), ArticleCountHeader(2));
  EXPECT_EQ(ReadText(out / "book_resources.cpp"), BookResourcesSource(TwoArticles()));
  const std::string assembly = ReadText(out / "book_blob.S");
  EXPECT_NE(assembly.find("  .incbin \"" + (out / "book_blob.bin").string() + "\"\n"),
            std::string::npos)
      << assembly;
  EXPECT_NE(assembly.find(".section .rodata"), std::string::npos);
  EXPECT_NE(assembly.find(".global velmora_book_blob"), std::string::npos);
  EXPECT_NE(assembly.find(".section .note.GNU-stack,\"\",@progbits"), std::string::npos);
}

TEST(BookOutputs, EscapesQuotesAndBackslashesInTheBlobPath) {
  EXPECT_NE(BookBlobAssembly("/a \"b\"\\c/book_blob.bin")
                .find(".incbin \"/a \\\"b\\\"\\\\c/book_blob.bin\""),
            std::string::npos);
}

}  // namespace
}  // namespace velmora::mkbook
