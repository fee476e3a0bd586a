#include "tools/mkbook/record_writer.h"

#include "book/book_format.h"
#include "tools/mkbook/palmdoc_encoder.h"

namespace velmora::mkbook {
namespace {

void PutBigEndian16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

}  // namespace

std::vector<std::uint8_t> MakeBookRecord(std::span<const std::uint8_t> raw,
                                         std::uint16_t firstNumber,
                                         std::uint16_t lastNumber) {
  if (raw.empty() || raw.size() > book::kMaxDecompressedSize) return {};
  const std::vector<std::uint8_t> compressed = CompressPalmDoc(raw);
  const std::size_t payloadLength =
      book::kBlockHeaderSize + compressed.size() + book::kRecordTrailerSize;
  // Bytes that escape as literal runs grow by up to one in eight.
  if (payloadLength > book::kMaxPayloadLength) return {};
  std::vector<std::uint8_t> record;
  record.reserve(book::kRecordHeaderSize + payloadLength);
  PutBigEndian16(record, static_cast<std::uint32_t>(payloadLength));
  PutBigEndian16(record, firstNumber);
  PutBigEndian16(record, lastNumber);
  PutBigEndian16(record, static_cast<std::uint32_t>(compressed.size()));
  PutBigEndian16(record, static_cast<std::uint32_t>(raw.size()));
  record.insert(record.end(), compressed.begin(), compressed.end());
  record.insert(record.end(), book::kRecordTrailerSize, 0);
  return record;
}

}  // namespace velmora::mkbook
