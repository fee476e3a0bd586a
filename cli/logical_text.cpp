#include "logical_text.h"

#include "book/book_format.h"
#include "book/letters.h"
#include "platform/memory.h"
#include "platform/text_encoding.h"
#include "state/app_state.h"

namespace velmora::cli {

std::string ToUtf8(std::u16string_view text) { return platform::Utf16ToUtf8(text); }

std::string LogicalText(const std::uint8_t* text, std::uint16_t length, bool displayOrder) {
  // The conversion reads LetterBase and the Reverse option from the
  // process-wide settings; set them for this one call.
  const FontSettings savedFonts = appState.fontSettings;
  const AppFlags savedFlags = appState.appFlags;
  appState.fontSettings.letterBase = kLetterBaseUnicode;
  appState.appFlags = displayOrder ? (savedFlags | ReverseOption) : (savedFlags & ~ReverseOption);
  platform::HeapPtr<char16_t[]> units(book::ToDisplayText(text, length, nullptr));
  appState.fontSettings = savedFonts;
  appState.appFlags = savedFlags;
  if (!units) return {};
  return ToUtf8(std::u16string_view(units.get()));
}

}  // namespace velmora::cli
