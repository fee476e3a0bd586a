// The search dialog's keyboard: the picture's keys, typing into the edit box
// right to left, and the edit text turned into the SearchPattern.
//
// Every key (and every character typed on the desktop's own keyboard) goes
// in to the left of the one typed before, so a word typed in reading order
// stands in the box in the left-to-right order in which the book stores its
// text, and is taken over as it stands.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window_handle.h"

namespace velmora::search {

// The picture: 154 x 95 pixels at (7, 71) dialog units of the dialog; three
// rows of nine keys of 17 x 25 pixels, and the space bar on the fourth row
// over columns 2 to 6.
inline constexpr std::int32_t kKeyboardLeftUnits = 7;
inline constexpr std::int32_t kKeyboardTopUnits = 71;
inline constexpr std::int32_t kKeyboardWidth = 154;
inline constexpr std::int32_t kKeyboardHeight = 95;
inline constexpr std::int32_t kKeyWidth = 17;
inline constexpr std::int32_t kKeyHeight = 25;
inline constexpr std::int32_t kKeysPerRow = 9;
inline constexpr std::int32_t kSpaceFirstColumn = 2;
inline constexpr std::int32_t kSpaceLastColumn = 6;

// Key 0 is the space bar; keys 1 to 9 the top row from right to left, 10 to
// 18 the middle row, 19 to 27 the bottom row. Key k types the LetterCode at
// position k of this table: LetterCode order with each final form moved
// behind its base form.
inline constexpr int kSpaceKey = 0;
inline constexpr int kLastKey = 27;
inline constexpr std::string_view kKeyTable = "abcdefghijlkmonqprsutwvxyz{";

// The edit box takes at most this many characters: the SearchPattern's
// 33 bytes.
inline constexpr std::int32_t kSearchTextLimit = 33;

// Types the key under the dialog client point (x, y), if any. True when the
// tap fell outside every key (nothing typed).
bool KeyboardHitTest(platform::WindowHandle dialog, std::int32_t x, std::int32_t y);

// Types key `key` (0..27) into the dialog's edit box: its character replaces
// the selection and the caret goes just before it. Other numbers, or a
// dialog without the box, are ignored.
void TypeKey(platform::WindowHandle dialog, int key);

// What typing `unit` on the desktop's keyboard puts in the box: a Hebrew
// letter U+05D0..U+05EA becomes that letter under the current LetterBase,
// any other printable unit stays itself; 0 for a unit that types nothing
// (vowel and cantillation marks, which the book does not have, and control
// units).
char16_t TypedUnit(char16_t unit);

// A character of the desktop's keyboard (or of pasted text), typed as the
// key of that character would be (TypedUnit); Backspace (0x08) removes the
// selection or the character typed last (the one right of the caret).
void TypeCharacter(platform::WindowHandle dialog, char16_t unit);

// Stores `text` (at most 33 units are read, up to its first NUL) as the
// SearchPattern: a letter of the current LetterBase becomes its LetterCode,
// any other unit its low 8 bits (a zero byte ends the pattern), and a space
// followed by another space is dropped. No reversal is applied.
void PatternFromText(std::u16string_view text);

}  // namespace velmora::search
