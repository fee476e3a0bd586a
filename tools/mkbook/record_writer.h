// Building whole book records (resource bytes) from decompressed content.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velmora::mkbook {

// The resource bytes of one record: header (payload length, first and last
// number), block header, compressed `raw`, four-byte zero trailer. Empty when
// `raw` is not 1..65535 bytes or its compressed form (which grows for bytes
// that must escape as literal runs) does not fit the 16-bit payload length.
std::vector<std::uint8_t> MakeBookRecord(std::span<const std::uint8_t> raw,
                                         std::uint16_t firstNumber, std::uint16_t lastNumber);

}  // namespace velmora::mkbook
