// The font dialog's reading of its controls: the preview letters, the preview
// font, and the choice written back on OK.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "font/font_faces.h"
#include "platform/window_handle.h"

namespace velmora::font {

// The sizes the size list offers, in list order.
inline constexpr std::array<std::int32_t, 14> kSizeTable{10, 11, 12, 14, 16, 18, 20,
                                                         22, 24, 26, 28, 32, 52, 72};

// The text of a size-list item: `size` in decimal.
std::u16string FormatSize(std::int32_t size);

// The size of a size-list item: its decimal text, an optional '-' first.
// Units that are not digits are taken as their distance from '0', unchecked.
std::int32_t ParseSizeText(std::u16string_view text);

// Shows the 27 letters from `letterBase` in the preview box, last letter
// first, so that the right-aligned box reads from the right.
void ShowPreviewLetters(platform::WindowHandle dialog, std::int32_t letterBase);

// Reads the face and size lists into the preview description (a list without
// a selection leaves its part as it was) and lets go of the preview font.
// `listChange`: a face of the Hebrew character set moves the LetterBase
// buttons to 1488. `commit` (OK): writes the size, LetterBase and face into
// the record being edited, never an empty face or a zero size; otherwise a
// new preview font is made from the description and shown in the preview box.
void ReadFontChoice(FontFaceList& list, platform::WindowHandle dialog, bool commit,
                    bool listChange);

// Deletes the preview font, if any, after the preview box has let go of it.
void DropPreviewFont(FontFaceList& list, platform::WindowHandle dialog);

}  // namespace velmora::font
