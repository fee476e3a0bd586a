// Display conversion: stored LetterCode text to UTF-16 for the chosen font.
#pragma once

#include <cstdint>

namespace velmora::book {

// The one process-wide grow-only buffer of ToDisplayText. A string returned
// from it stays valid until the next conversion through it.
struct ConversionBuffer {
  char16_t* buffer = nullptr;
  std::int32_t capacity = 0;  // code units besides the terminator
};

// The program's ConversionBuffer.
ConversionBuffer& TheConversionBuffer();

// Converts at most `count` bytes of the NUL-terminated stored `text` (stopping
// at its NUL) to NUL-terminated UTF-16: LetterCode bytes to LetterBase + (b -
// 'a'), '~' to '{', every other byte to its own value. With the Reverse option
// set and a LetterBase other than 97, the first `count` units are reversed
// with mirrored brackets (only the units actually converted when the text
// ends first). LetterBase and the Reverse option are read from the
// process-wide settings. With `buffer` the result lives there; without, it is
// a new heap block that the caller releases with HeapRelease. A negative
// `count` counts as 0. Returns nullptr when memory is short.
char16_t* ToDisplayText(const std::uint8_t* text, std::int32_t count, ConversionBuffer* buffer);

// Reverses the first `count` units in place, swapping ( ), [ ] and { }.
// Returns 0, or 1 when no temporary memory was available (units unchanged).
int ReverseDisplayRun(char16_t* units, std::int32_t count);

}  // namespace velmora::book
