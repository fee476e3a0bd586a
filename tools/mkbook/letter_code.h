// Book characters as LetterCode bytes, and text in display order.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velmora::mkbook {

// LetterCode bytes of one text, one byte per character.
using LetterText = std::vector<std::uint8_t>;

// The stored byte of a character that book text may hold: a Hebrew letter
// U+05D0..U+05EA becomes 'a'..'{', the space and the punctuation
// " ' ( ) , - . : [ ] stay themselves, the no-break space U+00A0 becomes the
// byte 0xA0. Nothing for any other character.
std::optional<std::uint8_t> LetterCodeFor(char32_t c);

// `logical` (reading order) turned into display order: reversed, with '('
// and ')', '[' and ']' swapped so that brackets still open the right way.
LetterText ToDisplayOrder(std::span<const std::uint8_t> logical);

}  // namespace velmora::mkbook
