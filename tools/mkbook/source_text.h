// Reading the text of one source line: UTF-8 decoding, the allowed
// characters, space folding, and messages that point at the source.
#pragma once

#include <string>
#include <string_view>

#include "tools/mkbook/letter_code.h"
#include "tools/mkbook/result.h"

namespace velmora::mkbook {

// A place in the book source; lines and columns count from 1, columns in
// characters (code points), not bytes.
struct SourcePlace {
  std::string_view file;
  int line = 0;
  int column = 0;
};

// "FILE:LINE:COLUMN: message".
std::string SourceMessage(const SourcePlace& place, std::string_view message);

// Converts `text`, which starts at `start` in the source, to LetterCode bytes
// in reading order. Runs of spaces count as one space. Fails, naming the
// place, on invalid UTF-8, on a character that book text may not hold (as
// U+XXXX and the character), on an empty text, and on a text that begins or
// ends with a space.
Result<LetterText> ConvertSourceText(std::string_view text, const SourcePlace& start);

}  // namespace velmora::mkbook
