// The BookStore: record numbers to freshly decompressed buffers. It keeps no
// state and no cache; every load finds the record again and decompresses it.
#pragma once

#include <cstdint>
#include <span>

#include "platform/memory.h"

namespace velmora::book {

// Why a load gave no buffer; stored through the caller's optional out-pointer.
enum ReasonCode : int {
  RecordMissing = 1,     // no resource with the record's id
  RecordUnreadable = 2,  // empty resource, or no memory for the output
  BadBlock = 3,          // payload length below 5, or compressed size 0
  BadArguments = 4,      // no descriptor, null source or decompressed size 0
  BufferError = 5,       // the output was not filled exactly (reported)
};

// What ParseBookRecord hands to UnCompress.
struct BlockDescriptor {
  const std::uint8_t* source = nullptr;  // first compressed byte
  std::uint32_t compressedSize = 0;
  std::uint32_t reserved = 0;  // cleared by UnCompress, never read
  std::uint32_t decompressedSize = 0;
};

// The resource id of record `recordNumber`, computed in 16 bits.
std::uint16_t RecordResourceId(int recordNumber);

// Loads record `recordNumber` (articles 1..ArticleCount, IndexRecordNumber).
// Returns the decompressed bytes: `size` = decompressed size, followed inside
// the block by two zero bytes. Returns an empty buffer on failure and stores
// the reason in *reasonOut when given; a number below 1 stores nothing.
platform::HeapBuffer LoadBookRecord(int recordNumber, int* reasonOut);

// Checks the block header of `payload` (the record from offset 6, of
// `payloadLength` bytes as its header says) and decompresses it. Compressed
// bytes are taken only from inside `payload`, whatever the sizes claim.
platform::HeapBuffer ParseBookRecord(std::span<const std::uint8_t> payload,
                                     std::uint32_t payloadLength, int* reasonOut);

// Decompresses a PalmDoc block. Succeeds only when the output is filled
// exactly; input left over after that is ignored. A stream that runs out
// first, or that refers outside what it has produced or outside its own
// bytes, shows "UnCompress() buffer error!" and stores BufferError. Nothing
// is ever read or written out of bounds. A decompressed size above
// kMaxDecompressedSize is refused as BadArguments.
platform::HeapBuffer UnCompress(BlockDescriptor* descriptor, int* reasonOut);

}  // namespace velmora::book
