#include "tools/mkbook/letter_code.h"

#include <string_view>

#include "book/book_format.h"

namespace velmora::mkbook {
namespace {

// The Hebrew letters, alef to tav, in code-point order.
constexpr char32_t kFirstHebrewLetter = book::kUnicodeAlef;
constexpr char32_t kLastHebrewLetter =
    kFirstHebrewLetter + (book::kLetterCodeLast - book::kLetterCodeFirst);

// Characters besides the letters that book text may hold, stored as is.
constexpr std::string_view kBookPunctuation = " \"'(),-.:[]";
// The no-break space that joins a verse label to its verse, stored as its
// Latin-1 byte, which the display conversion shows as U+00A0 again and the
// layout never breaks at.
constexpr char32_t kNoBreakSpace = 0x00A0;

// Mirrored pairs: a run shown reversed must keep its brackets facing in.
std::uint8_t Mirrored(std::uint8_t b) {
  switch (b) {
    case '(':
      return ')';
    case ')':
      return '(';
    case '[':
      return ']';
    case ']':
      return '[';
    default:
      return b;
  }
}

}  // namespace

std::optional<std::uint8_t> LetterCodeFor(char32_t c) {
  if (c >= kFirstHebrewLetter && c <= kLastHebrewLetter) {
    return static_cast<std::uint8_t>(book::kLetterCodeFirst + (c - kFirstHebrewLetter));
  }
  if (c == kNoBreakSpace) return static_cast<std::uint8_t>(kNoBreakSpace);
  if (c < 0x80 && kBookPunctuation.find(static_cast<char>(c)) != std::string_view::npos) {
    return static_cast<std::uint8_t>(c);
  }
  return std::nullopt;
}

LetterText ToDisplayOrder(std::span<const std::uint8_t> logical) {
  LetterText display;
  display.reserve(logical.size());
  for (auto it = logical.rbegin(); it != logical.rend(); ++it) {
    display.push_back(Mirrored(*it));
  }
  return display;
}

}  // namespace velmora::mkbook
