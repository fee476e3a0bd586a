#include "book/record.h"

#include <algorithm>

#include "book/book_format.h"
#include "platform/resources.h"

namespace velmora::book {
namespace {

void StoreReason(int* reasonOut, ReasonCode reason) {
  if (reasonOut != nullptr) *reasonOut = reason;
}

}  // namespace

std::uint16_t RecordResourceId(int recordNumber) {
  // (((n - 1) mod 65536) + 1001) mod 65536, which is n + 1000 in 16 bits.
  return static_cast<std::uint16_t>(static_cast<std::uint32_t>(recordNumber) + kRecordIdBase);
}

platform::HeapBuffer LoadBookRecord(int recordNumber, int* reasonOut) {
  if (recordNumber < 1) return {};
  auto resource =
      platform::FindResource(platform::ResourceType::kRawData, RecordResourceId(recordNumber));
  if (!resource) {
    StoreReason(reasonOut, RecordMissing);
    return {};
  }
  if (resource->empty() || resource->data() == nullptr) {
    StoreReason(reasonOut, RecordUnreadable);
    return {};
  }
  // A resource too short to hold its own header has no block either.
  if (resource->size() < kRecordHeaderSize) {
    StoreReason(reasonOut, BadBlock);
    return {};
  }
  return ParseBookRecord(resource->subspan(kRecordHeaderSize),
                         ReadRecordHeader(resource->first<kRecordHeaderSize>()).payloadLength,
                         reasonOut);
}

platform::HeapBuffer ParseBookRecord(std::span<const std::uint8_t> payload,
                                     std::uint32_t payloadLength, int* reasonOut) {
  if (payloadLength < kMinPayloadLength || payload.size() < kBlockHeaderSize) {
    StoreReason(reasonOut, BadBlock);
    return {};
  }
  const BlockHeader block = ReadBlockHeader(payload.first<kBlockHeaderSize>());
  if (block.compressedSize == 0) {
    StoreReason(reasonOut, BadBlock);
    return {};
  }
  // The header's sizes are not trusted: the decoder sees only the compressed
  // bytes that are really there, and a block that claims more runs out of
  // input, which is a buffer error.
  const std::span<const std::uint8_t> compressed = payload.subspan(kBlockHeaderSize);
  BlockDescriptor descriptor;
  descriptor.source = compressed.data();
  descriptor.compressedSize =
      std::min<std::uint32_t>(block.compressedSize, static_cast<std::uint32_t>(compressed.size()));
  descriptor.decompressedSize = block.decompressedSize;
  return UnCompress(&descriptor, reasonOut);
}

}  // namespace velmora::book
