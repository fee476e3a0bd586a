// Decompression of the whole embedded book, record by record, as the
// BookStore does it (ParseBookRecord and UnCompress, one fresh buffer per
// record), next to a baseline measured in the same run: zlib inflating the
// same content, compressed at level 9, record by record into fresh buffers.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

#include "book/book_format.h"
#include "book/record.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "resources/article_count.h"

namespace {

using namespace velmora;

constexpr int kZlibLevel = 9;

struct BookRecord {
  std::span<const std::uint8_t> payload;
  std::uint32_t payloadLength = 0;
  std::uint32_t decompressedSize = 0;
  std::vector<Bytef> zlibBlock;  // the same content, deflated
};

// Every record of the embedded book: articles, then the index.
std::vector<BookRecord> LoadBook() {
  std::vector<int> numbers;
  for (int n = 1; n <= ArticleCount; ++n) numbers.push_back(n);
  numbers.push_back(book::IndexRecordNumber);

  std::vector<BookRecord> records;
  for (int number : numbers) {
    auto resource =
        platform::FindResource(platform::ResourceType::kRawData, book::RecordResourceId(number));
    if (!resource || resource->size() < book::kRecordHeaderSize) continue;
    BookRecord record;
    record.payload = resource->subspan(book::kRecordHeaderSize);
    record.payloadLength =
        book::ReadRecordHeader(resource->first<book::kRecordHeaderSize>()).payloadLength;
    platform::HeapBuffer content =
        book::ParseBookRecord(record.payload, record.payloadLength, nullptr);
    if (!content) continue;
    record.decompressedSize = content.size;
    uLongf bound = compressBound(content.size);
    record.zlibBlock.resize(bound);
    if (compress2(record.zlibBlock.data(), &bound, content.get(), content.size, kZlibLevel) !=
        Z_OK) {
      continue;
    }
    record.zlibBlock.resize(bound);
    records.push_back(std::move(record));
  }
  return records;
}

const std::vector<BookRecord>& Book() {
  static const std::vector<BookRecord> book = LoadBook();
  return book;
}

std::int64_t DecompressedBytes() {
  std::int64_t total = 0;
  for (const BookRecord& record : Book()) total += record.decompressedSize;
  return total;
}

void BM_PalmDocUnCompress(benchmark::State& state) {
  for (auto _ : state) {
    for (const BookRecord& record : Book()) {
      platform::HeapBuffer content =
          book::ParseBookRecord(record.payload, record.payloadLength, nullptr);
      benchmark::DoNotOptimize(content.get());
      if (!content) state.SkipWithError("a record failed to decompress");
    }
  }
  state.SetBytesProcessed(state.iterations() * DecompressedBytes());
  state.counters["records"] = static_cast<double>(Book().size());
}

// The baseline keeps one inflate stream and resets it per record, the
// cheapest way zlib offers to decode many small blocks.
void BM_ZlibInflateLevel9(benchmark::State& state) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) {
    state.SkipWithError("inflateInit failed");
    return;
  }
  for (auto _ : state) {
    for (const BookRecord& record : Book()) {
      platform::HeapBuffer content;
      content.data = platform::HeapAllocateArray<std::uint8_t>(record.decompressedSize + 2);
      inflateReset(&stream);
      stream.next_in = const_cast<Bytef*>(record.zlibBlock.data());
      stream.avail_in = static_cast<uInt>(record.zlibBlock.size());
      stream.next_out = content.get();
      stream.avail_out = record.decompressedSize;
      if (inflate(&stream, Z_FINISH) != Z_STREAM_END) state.SkipWithError("inflate failed");
      content.get()[record.decompressedSize] = 0;
      benchmark::DoNotOptimize(content.get());
    }
  }
  inflateEnd(&stream);
  state.SetBytesProcessed(state.iterations() * DecompressedBytes());
  state.counters["records"] = static_cast<double>(Book().size());
}

BENCHMARK(BM_PalmDocUnCompress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibInflateLevel9)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
