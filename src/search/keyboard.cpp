#include "search/keyboard.h"

#include <algorithm>
#include <string>

#include "book/book_format.h"
#include "platform/dialog.h"
#include "resources/control_ids.h"
#include "state/app_state.h"

namespace velmora::search {
namespace {

constexpr char16_t kSpace = u' ';
constexpr char16_t kBackspace = 0x08;
constexpr char16_t kDelete = 0x7F;
constexpr std::int32_t kLetterCount = book::kLetterCodeLast - book::kLetterCodeFirst + 1;
// The Hebrew block's points and accents: the book has none.
constexpr char16_t kHebrewMarksFirst = 0x0591;
constexpr char16_t kHebrewMarksLast = 0x05C7;
constexpr char16_t kMaqaf = 0x05BE;
constexpr char16_t kPaseq = 0x05C0;
constexpr char16_t kSofPasuq = 0x05C3;
constexpr char16_t kNunHafukha = 0x05C6;

char16_t LetterUnit(std::uint8_t letterCode) {
  return static_cast<char16_t>(appState.fontSettings.letterBase +
                               (letterCode - book::kLetterCodeFirst));
}

bool IsHebrewMark(char16_t unit) {
  return unit >= kHebrewMarksFirst && unit <= kHebrewMarksLast && unit != kMaqaf &&
         unit != kPaseq && unit != kSofPasuq && unit != kNunHafukha;
}

// Replaces the selection by `unit` and puts the caret just before it.
void InsertLeftward(platform::WindowHandle edit, char16_t unit) {
  const platform::EditSelection selected = platform::GetEditSelection(edit);
  const std::size_t kept = platform::GetControlText(edit).size() -
                           static_cast<std::size_t>(selected.end - selected.start);
  platform::ReplaceEditSelection(edit, std::u16string_view(&unit, 1));
  // A full box takes nothing, and the caret stays where it was.
  if (platform::GetControlText(edit).size() == kept) return;
  const std::int32_t caret = platform::GetEditSelection(edit).start;
  platform::SetEditSelection(edit, caret - 1, caret - 1);
}

// The character typed last stands right of the caret.
void RemoveLastTyped(platform::WindowHandle edit) {
  const platform::EditSelection selection = platform::GetEditSelection(edit);
  if (selection.start == selection.end) {
    if (selection.end >= static_cast<std::int32_t>(platform::GetControlText(edit).size())) return;
    platform::SetEditSelection(edit, selection.start, selection.start + 1);
  }
  platform::ReplaceEditSelection(edit, u"");
}

}  // namespace

bool KeyboardHitTest(platform::WindowHandle dialog, std::int32_t x, std::int32_t y) {
  const platform::Size units = platform::DialogBaseUnits(dialog);
  const std::int32_t left = kKeyboardLeftUnits * units.width / 4;
  const std::int32_t top = kKeyboardTopUnits * units.height / 8;
  const std::int32_t dx = x - left;
  const std::int32_t dy = y - top;
  if (dy < 0 || dx < 0 || dy >= kKeyboardHeight || dx >= kKeyboardWidth) return true;
  const std::int32_t row = dy / kKeyHeight;
  const std::int32_t column = dx / kKeyWidth;
  int key = kSpaceKey;
  if (row < 3) {
    key = kKeysPerRow * (row + 1) - column;
  } else if (column < kSpaceFirstColumn || column > kSpaceLastColumn) {
    return true;
  }
  TypeKey(dialog, key);
  return false;
}

void TypeKey(platform::WindowHandle dialog, int key) {
  if (key < kSpaceKey || key > kLastKey) return;
  platform::WindowHandle edit = platform::GetDlgItem(dialog, resources::kIdcSearchText);
  if (edit == nullptr) return;
  const char16_t unit =
      key == kSpaceKey ? kSpace : LetterUnit(static_cast<std::uint8_t>(kKeyTable[key - 1]));
  InsertLeftward(edit, unit);
}

char16_t TypedUnit(char16_t unit) {
  if (unit < kSpace || unit == kDelete || IsHebrewMark(unit)) return 0;
  const char16_t alef = book::kUnicodeAlef;
  if (unit >= alef && unit < alef + kLetterCount) {
    return LetterUnit(static_cast<std::uint8_t>(book::kLetterCodeFirst + (unit - alef)));
  }
  return unit;
}

void TypeCharacter(platform::WindowHandle dialog, char16_t unit) {
  platform::WindowHandle edit = platform::GetDlgItem(dialog, resources::kIdcSearchText);
  if (edit == nullptr) return;
  if (unit == kBackspace) {
    RemoveLastTyped(edit);
    return;
  }
  if (const char16_t typed = TypedUnit(unit)) InsertLeftward(edit, typed);
}

void PatternFromText(std::u16string_view text) {
  const std::int32_t base = appState.fontSettings.letterBase;
  std::uint8_t* out = appState.searchPattern;
  const std::size_t count = std::min<std::size_t>(text.size(), kSearchTextLimit);
  for (std::size_t i = 0; i < count && text[i] != 0; ++i) {
    const char16_t unit = text[i];
    if (unit == kSpace && i + 1 < count && text[i + 1] == kSpace) continue;
    if (unit >= base && unit < base + kLetterCount) {
      *out++ = static_cast<std::uint8_t>(book::kLetterCodeFirst + (unit - base));
    } else {
      *out++ = static_cast<std::uint8_t>(unit & 0xFF);
    }
  }
  *out = 0;
}

}  // namespace velmora::search
