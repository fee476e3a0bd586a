#include "tools/mkbook/record_writer.h"

#include "book/book_format.h"
#include "tools/mkbook/palmdoc_encoder.h"

namespace velmora::mkbook {

std::vector<std::uint8_t> MakeBookRecord(std::span<const std::uint8_t> raw,
                                         std::uint16_t firstNumber, std::uint16_t lastNumber) {
  if (raw.empty() || raw.size() > book::kMaxDecompressedSize) return {};
  const std::vector<std::uint8_t> compressed = CompressPalmDoc(raw);
  const std::size_t payloadLength =
      book::kBlockHeaderSize + compressed.size() + book::kRecordTrailerSize;
  // Bytes that escape as literal runs grow by up to one in eight.
  if (payloadLength > book::kMaxPayloadLength) return {};
  std::vector<std::uint8_t> record;
  record.reserve(book::kRecordHeaderSize + payloadLength);
  const auto header =
      book::WriteRecordHeader({static_cast<std::uint16_t>(payloadLength), firstNumber, lastNumber});
  const auto block = book::WriteBlockHeader(
      {static_cast<std::uint16_t>(compressed.size()), static_cast<std::uint16_t>(raw.size())});
  record.insert(record.end(), header.begin(), header.end());
  record.insert(record.end(), block.begin(), block.end());
  record.insert(record.end(), compressed.begin(), compressed.end());
  record.insert(record.end(), book::kRecordTrailerSize, 0);
  return record;
}

}  // namespace velmora::mkbook
