// Stored book text as UTF-8 in logical reading order, for printing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::cli {

// Converts `length` stored bytes to UTF-8 with Unicode Hebrew letters. Text
// stored in display order (`displayOrder`) is turned back into reading order,
// brackets mirrored, through the program's own display conversion.
std::string LogicalText(const std::uint8_t* text, std::uint16_t length, bool displayOrder);

// UTF-16 to UTF-8.
std::string ToUtf8(std::u16string_view text);

}  // namespace velmora::cli
