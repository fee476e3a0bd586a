// Checking a finished record the way the program will load it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/mkbook/result.h"

namespace velmora::mkbook {

// Decompresses the resource bytes of one record and returns its content,
// after checking: the header's payload length is the record's size - 6; the
// block header gives non-zero sizes and compressed bytes that lie inside the
// payload; and those bytes fill exactly the decompressed size with none left
// over. The message on failure says which check failed (without naming the
// record: the caller knows it).
Result<std::vector<std::uint8_t>> DecodeBookRecord(std::span<const std::uint8_t> record);

}  // namespace velmora::mkbook
