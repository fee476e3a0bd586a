#include "font/font_choice.h"

#include <string>

#include "book/book_format.h"
#include "platform/dialog.h"
#include "resources/control_ids.h"

namespace velmora::font {
namespace {

using resources::kIdcBase1488;
using resources::kIdcBase224;
using resources::kIdcBase97;

constexpr int kLetterCount = book::kLetterCodeLast - book::kLetterCodeFirst + 1;
constexpr int kDecimalBase = 10;

bool Checked(platform::WindowHandle dialog, std::uint16_t id) {
  return platform::IsButtonChecked(platform::GetDlgItem(dialog, id));
}

void Check(platform::WindowHandle dialog, std::uint16_t id, bool checked) {
  platform::SetButtonCheck(platform::GetDlgItem(dialog, id), checked);
}

// Copies `text` into a zero-terminated face name, cut to fit.
void CopyFaceName(char16_t (&faceName)[kFaceNameCapacity], std::u16string_view text) {
  const std::size_t count = text.copy(faceName, kFaceNameCapacity - 1);
  faceName[count] = 0;
}

const FontFaceEntry* FindFace(const FontFaceList& list, std::u16string_view faceName) {
  for (const FontFaceEntry* entry = list.first; entry != nullptr; entry = entry->next) {
    if (faceName == entry->faceName) return entry;
  }
  return nullptr;
}

// The selected item's text, or nothing.
bool SelectedText(platform::WindowHandle dialog, std::uint16_t id, std::u16string& text) {
  platform::WindowHandle control = platform::GetDlgItem(dialog, id);
  const int selection = platform::ListBoxCurrentSelection(control);
  if (selection == platform::kNoSelection) return false;
  text = platform::ListBoxText(control, selection);
  return true;
}

// A face of the Hebrew character set chosen while 1488 is not checked moves
// the check there.
void ApplyHebrewFace(const FontFaceList& list, platform::WindowHandle dialog, bool commit) {
  const std::u16string_view faceName = list.previewDescription.faceName;
  if (faceName.empty() || list.first == nullptr) return;
  const FontFaceEntry* entry = FindFace(list, faceName);
  if (entry == nullptr || entry->characterSet != platform::kHebrewCharset ||
      Checked(dialog, kIdcBase1488)) {
    return;
  }
  Check(dialog, kIdcBase224, false);
  Check(dialog, kIdcBase97, false);
  Check(dialog, kIdcBase1488, true);
  if (!commit) ShowPreviewLetters(dialog, kLetterBaseUnicode);
}

void WriteChoice(const FontFaceList& list, platform::WindowHandle dialog) {
  FontSettings& settings = *list.settings;
  const platform::FontDescription& chosen = list.previewDescription;
  if (chosen.height != 0) settings.size = chosen.height;
  if (Checked(dialog, kIdcBase224)) {
    settings.letterBase = kLetterBaseWindows1255;
  } else if (Checked(dialog, kIdcBase97)) {
    settings.letterBase = kLetterBaseStored;
  } else if (Checked(dialog, kIdcBase1488)) {
    settings.letterBase = kLetterBaseUnicode;
  }
  if (chosen.faceName[0] != 0) CopyFaceName(settings.faceName, chosen.faceName);
}

}  // namespace

std::u16string FormatSize(std::int32_t size) {
  const std::string digits = std::to_string(size);
  return std::u16string(digits.begin(), digits.end());
}

std::int32_t ParseSizeText(std::u16string_view text) {
  const bool negative = !text.empty() && text.front() == u'-';
  if (negative) text.remove_prefix(1);
  std::int64_t value = 0;
  for (char16_t unit : text) value = value * kDecimalBase + (static_cast<int>(unit) - u'0');
  return static_cast<std::int32_t>(negative ? -value : value);
}

void ShowPreviewLetters(platform::WindowHandle dialog, std::int32_t letterBase) {
  char16_t letters[kLetterCount];
  for (int i = 0; i < kLetterCount; ++i) {
    letters[i] = static_cast<char16_t>(static_cast<std::uint32_t>(letterBase) +
                                       static_cast<std::uint32_t>(kLetterCount - 1 - i));
  }
  platform::SetControlText(platform::GetDlgItem(dialog, resources::kIdcPreview),
                           std::u16string_view(letters, kLetterCount));
}

void DropPreviewFont(FontFaceList& list, platform::WindowHandle dialog) {
  if (list.previewFont == nullptr) return;
  platform::SetControlFont(platform::GetDlgItem(dialog, resources::kIdcPreview), nullptr, false);
  platform::DeleteFont(list.previewFont);
  list.previewFont = nullptr;
}

void ReadFontChoice(FontFaceList& list, platform::WindowHandle dialog, bool commit,
                    bool listChange) {
  std::u16string text;
  if (SelectedText(dialog, resources::kIdcFaceList, text)) {
    CopyFaceName(list.previewDescription.faceName, text);
  }
  if (SelectedText(dialog, resources::kIdcSizeList, text)) {
    list.previewDescription.height = ParseSizeText(text);
  }
  DropPreviewFont(list, dialog);
  if (listChange) ApplyHebrewFace(list, dialog, commit);

  if (commit) {
    WriteChoice(list, dialog);
    return;
  }
  list.previewFont = platform::CreateFont(list.previewDescription);
  platform::SetControlFont(platform::GetDlgItem(dialog, resources::kIdcPreview), list.previewFont,
                           true);
}

}  // namespace velmora::font
