// The files that embed the compiled book in the program: article_count.h,
// book_resources.cpp (the record table), book_blob.S and book_blob.bin (the
// record bytes, one after another).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/mkbook/compiled_book.h"
#include "tools/mkbook/result.h"

namespace velmora::mkbook {

// The header that defines velmora::ArticleCount.
std::string ArticleCountHeader(std::uint16_t articleCount);

// Every record's bytes, in the order of `book.records`.
std::vector<std::uint8_t> BookBlob(const CompiledBook& book);

// The assembly that places the file `blobPath` (absolute) in read-only data.
std::string BookBlobAssembly(const std::filesystem::path& blobPath);

// The definition of velmora::resources::BookResources(): one raw-data entry
// per record, pointing into the blob.
std::string BookResourcesSource(const CompiledBook& book);

// Writes the four files into `outDir`, creating it when needed.
Status WriteBookOutputs(const CompiledBook& book, const std::filesystem::path& outDir);

}  // namespace velmora::mkbook
