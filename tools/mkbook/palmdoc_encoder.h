// The PalmDoc encoder of the book compiler.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velmora::mkbook {

// Compresses `raw` into the token stream that DecodePalmDoc reads back to
// exactly `raw`, with no byte left over. Chooses among literals, space pairs
// and back references (the longest match in the window, or a shorter part of
// it) the sequence with the fewest bytes.
std::vector<std::uint8_t> CompressPalmDoc(std::span<const std::uint8_t> raw);

}  // namespace velmora::mkbook
