#include <cstdio>
#include <vector>

#include "book/book_format.h"
#include "book/index_record.h"
#include "book/palmdoc.h"
#include "commands.h"
#include "resources/article_count.h"
#include "resources/book_data.h"

namespace velmora::cli {
namespace {

struct RecordCheck {
  std::uint32_t compressed = 0;
  std::uint32_t raw = 0;
  bool exact = false;  // fills dsize exactly, consuming every compressed byte
  std::vector<std::uint8_t> content;
};

// Decodes one record with the program's decoder and says whether it fills
// exactly; the header, block header and trailer must agree with the size.
RecordCheck CheckRecord(const platform::ResourceEntry& record) {
  RecordCheck check;
  const std::uint32_t overhead = book::kRecordHeaderSize + book::kBlockHeaderSize;
  if (record.size < overhead + book::kRecordTrailerSize) return check;
  const std::span<const std::uint8_t> resource(record.data, record.size);
  const book::BlockHeader block =
      book::ReadBlockHeader(resource.subspan<book::kRecordHeaderSize, book::kBlockHeaderSize>());
  check.compressed = block.compressedSize;
  check.raw = block.decompressedSize;
  const bool sizesAgree =
      book::ReadRecordHeader(resource.first<book::kRecordHeaderSize>()).payloadLength ==
          record.size - book::kRecordHeaderSize &&
      overhead + check.compressed + book::kRecordTrailerSize == record.size;
  if (!sizesAgree) return check;
  check.content.resize(check.raw);
  const book::DecodeResult result =
      book::DecodePalmDoc(resource.subspan(overhead, check.compressed), check.content);
  check.exact = result.filled && result.consumed == check.compressed;
  return check;
}

}  // namespace

int StatsCommand(Args args) {
  if (!args.empty()) return UsageError("stats takes no arguments");
  std::uint64_t raw = 0, compressed = 0, stored = 0;
  std::uint32_t largestSize = 0, largestId = 0, articles = 0, failures = 0;
  std::uint32_t indexEntries = 0, indexSize = 0;
  const auto records = resources::BookResources();
  for (const platform::ResourceEntry& record : records) {
    RecordCheck check = CheckRecord(record);
    if (!check.exact) {
      std::printf("record %u does not fill exactly\n", record.id);
      ++failures;
      continue;
    }
    raw += check.raw;
    compressed += check.compressed;
    stored += record.size;
    if (record.id == book::kIndexResourceId) {
      indexSize = check.raw;
      book::WalkIndex(check.content, [&](const book::IndexEntry&) {
        ++indexEntries;
        return true;
      });
    } else {
      ++articles;
      if (check.raw > largestSize) largestSize = check.raw, largestId = record.id;
    }
  }
  std::printf("records:            %zu (%u articles and the index)\n", records.size(), articles);
  std::printf("article count:      %u\n", static_cast<unsigned>(ArticleCount));
  std::printf("raw bytes:          %llu\n", static_cast<unsigned long long>(raw));
  std::printf("compressed bytes:   %llu (%.1f %% of raw)\n",
              static_cast<unsigned long long>(compressed),
              raw ? 100.0 * static_cast<double>(compressed) / static_cast<double>(raw) : 0.0);
  std::printf("stored bytes:       %llu (headers and trailers included)\n",
              static_cast<unsigned long long>(stored));
  std::printf("largest article:    %u (%u bytes)\n", largestId - book::kRecordIdBase, largestSize);
  std::printf("index:              %u entries, %u bytes\n", indexEntries, indexSize);
  if (failures != 0) {
    std::printf("exact fill:         %u records FAILED\n", failures);
    return kExitFailed;
  }
  std::printf("exact fill:         every record fills exactly, no compressed byte left over\n");
  return kExitOk;
}

}  // namespace velmora::cli
