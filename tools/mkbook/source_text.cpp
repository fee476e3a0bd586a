#include "tools/mkbook/source_text.h"

#include <cstdint>
#include <cstdio>
#include <utility>

#include "platform/text_encoding.h"

namespace velmora::mkbook {
namespace {

// Characters that would not show, or would disturb the terminal, when
// quoted in a message: C0 and C1 controls and the invisible format marks.
bool IsInvisible(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

// "U+05D0 'א'", or just "U+0009" for a character that does not show.
std::string NameCharacter(char32_t c, std::string_view encoded) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  std::string name = code;
  if (!IsInvisible(c)) {
    name += " '";
    name += encoded;
    name += "'";
  }
  return name;
}

std::string NameByte(unsigned char b) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", b);
  return text;
}

}  // namespace

std::string SourceMessage(const SourcePlace& place, std::string_view message) {
  std::string text(place.file);
  text += ':' + std::to_string(place.line) + ':' + std::to_string(place.column) + ": ";
  text += message;
  return text;
}

Result<LetterText> ConvertSourceText(std::string_view text, const SourcePlace& start) {
  SourcePlace place = start;
  if (text.empty()) return Failure<LetterText>(SourceMessage(place, "empty text"));
  LetterText letters;
  SourcePlace lastSpaceRun = place;  // where the latest run of spaces began
  for (std::size_t pos = 0; pos < text.size(); ++place.column) {
    const std::size_t begin = pos;
    const std::optional<char32_t> c = platform::DecodeUtf8(text, &pos);
    if (!c) {
      return Failure<LetterText>(SourceMessage(
          place, "invalid UTF-8 byte " + NameByte(static_cast<unsigned char>(text[begin]))));
    }
    const std::optional<std::uint8_t> code = LetterCodeFor(*c);
    if (!code) {
      return Failure<LetterText>(
          SourceMessage(place, "character " + NameCharacter(*c, text.substr(begin, pos - begin)) +
                                   " is not allowed in book text"));
    }
    if (*code == ' ') {
      if (letters.empty()) {
        return Failure<LetterText>(SourceMessage(place, "text begins with a space"));
      }
      if (letters.back() == ' ') continue;
      lastSpaceRun = place;
    }
    letters.push_back(*code);
  }
  if (letters.back() == ' ') {
    return Failure<LetterText>(SourceMessage(lastSpaceRun, "text ends with a space"));
  }
  return {std::move(letters), {}};
}

}  // namespace velmora::mkbook
