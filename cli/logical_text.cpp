#include "logical_text.h"

#include <vector>

#include "book/book_format.h"
#include "book/letters.h"
#include "platform/memory.h"
#include "shell/app_state.h"

namespace velmora::cli {

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() &&
        text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string LogicalText(const std::uint8_t* text, std::uint16_t length,
                        bool displayOrder) {
  // The conversion reads LetterBase and the Reverse option from the
  // process-wide settings; set them for this one call.
  const FontSettings savedFonts = appState.fontSettings;
  const AppFlags savedFlags = appState.appFlags;
  appState.fontSettings.letterBase = book::kLetterBaseUnicode;
  appState.appFlags = displayOrder ? (savedFlags | ReverseOption)
                                   : (savedFlags & ~ReverseOption);
  platform::HeapPtr<char16_t[]> units(book::ToDisplayText(text, length, nullptr));
  appState.fontSettings = savedFonts;
  appState.appFlags = savedFlags;
  if (!units) return {};
  return ToUtf8(std::u16string_view(units.get()));
}

}  // namespace velmora::cli
