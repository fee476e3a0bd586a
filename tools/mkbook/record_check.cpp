#include "tools/mkbook/record_check.h"

#include <string>

#include "book/book_format.h"
#include "book/palmdoc.h"

namespace velmora::mkbook {
namespace {

using Content = std::vector<std::uint8_t>;

}  // namespace

Result<Content> DecodeBookRecord(std::span<const std::uint8_t> record) {
  if (record.size() < book::kRecordHeaderSize + book::kMinPayloadLength) {
    return Failure<Content>("record of " + std::to_string(record.size()) +
                            " bytes is too short to hold a block");
  }
  const std::uint32_t payloadLength =
      book::ReadRecordHeader(record.first<book::kRecordHeaderSize>()).payloadLength;
  const std::size_t actualPayload = record.size() - book::kRecordHeaderSize;
  if (payloadLength != actualPayload) {
    return Failure<Content>("header gives a payload length of " + std::to_string(payloadLength) +
                            " bytes but " + std::to_string(actualPayload) + " follow the header");
  }
  const std::span<const std::uint8_t> payload = record.subspan(book::kRecordHeaderSize);
  const book::BlockHeader block = book::ReadBlockHeader(payload.first<book::kBlockHeaderSize>());
  const std::uint32_t compressedSize = block.compressedSize;
  const std::uint32_t decompressedSize = block.decompressedSize;
  if (compressedSize == 0) return Failure<Content>("compressed size is 0");
  if (decompressedSize == 0) return Failure<Content>("decompressed size is 0");
  if (compressedSize > payload.size() - book::kBlockHeaderSize) {
    return Failure<Content>("compressed size " + std::to_string(compressedSize) +
                            " runs past the end of the payload");
  }
  Content content(decompressedSize);
  const book::DecodeResult decoded =
      book::DecodePalmDoc(payload.subspan(book::kBlockHeaderSize, compressedSize), content);
  if (!decoded.filled) {
    return Failure<Content>("compressed bytes do not decompress to the " +
                            std::to_string(decompressedSize) + " bytes the block header gives (" +
                            std::to_string(decoded.written) + " written, stream broken or ended)");
  }
  if (decoded.consumed != compressedSize) {
    return Failure<Content>(std::to_string(compressedSize - decoded.consumed) +
                            " compressed bytes are left over after the output "
                            "was filled");
  }
  return {std::move(content), {}};
}

}  // namespace velmora::mkbook
