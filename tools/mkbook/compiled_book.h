// The finished book: record bytes ready to be embedded in the program.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora::mkbook {

// One record as the program's resources carry it.
struct CompiledRecord {
  std::uint16_t resourceId = 0;
  std::vector<std::uint8_t> bytes;     // header, block, trailer
  std::uint32_t decompressedSize = 0;  // checked by decoding the bytes
};

// Articles 1..articleCount as resources 1001.., in order, then the index.
struct CompiledBook {
  std::uint16_t articleCount = 0;
  std::vector<CompiledRecord> records;
};

}  // namespace velmora::mkbook
