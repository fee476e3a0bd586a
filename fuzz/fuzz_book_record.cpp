// Fuzzes a whole book record as the BookStore meets it: header, block header
// and token stream through ParseBookRecord and UnCompress, then the stream
// and index walks and the display conversion over whatever decodes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "book/book_format.h"
#include "book/index_record.h"
#include "book/letters.h"
#include "book/paragraph_stream.h"
#include "book/record.h"
#include "platform/headless/headless.h"
#include "platform/memory.h"
#include "state/app_state.h"

namespace {

using namespace velmora;

void WalkAsStream(std::span<const std::uint8_t> content) {
  book::WalkStream(content, [](const book::StreamItem& item) {
    book::ToDisplayText(item.text, item.length, &book::TheConversionBuffer());
    return true;
  });
}

void WalkAsIndex(std::span<const std::uint8_t> content) {
  std::uint32_t entries = 0;
  book::WalkIndex(content, [&](const book::IndexEntry&) {
    ++entries;
    return true;
  });
  if (book::MeasureIndexEntries(content) > content.size()) __builtin_trap();
  if (entries > 0) book::FindArticleEntry(content, static_cast<std::uint16_t>(entries));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The headless platform records every message box; start each input clean.
  platform::headless::ResetAll();
  appState.fontSettings.letterBase = kLetterBaseWindows1255;
  appState.appFlags = size % 2 == 0 ? ReverseOption : 0;

  if (size < book::kRecordHeaderSize) return 0;
  const std::span<const std::uint8_t> record(data, size);
  const std::uint32_t payloadLength =
      book::ReadRecordHeader(record.first<book::kRecordHeaderSize>()).payloadLength;
  std::span<const std::uint8_t> payload = record.subspan(book::kRecordHeaderSize);
  int reason = 0;
  platform::HeapBuffer content = book::ParseBookRecord(payload, payloadLength, &reason);
  if (!content) {
    if (reason < book::RecordMissing || reason > book::BufferError) __builtin_trap();
    return 0;
  }
  // Every successful load ends with two zero bytes past its content.
  if (content.get()[content.size] != 0 || content.get()[content.size + 1] != 0) {
    __builtin_trap();
  }
  std::span<const std::uint8_t> bytes(content.get(), content.size);
  WalkAsStream(bytes);
  WalkAsIndex(bytes);
  return 0;
}
