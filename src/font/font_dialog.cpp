#include "font/font_dialog.h"

#include <string>

#include "book/book_format.h"
#include "font/font_choice.h"
#include "font/font_faces.h"
#include "font/font_layout.h"
#include "platform/dialog.h"
#include "platform/window.h"
#include "resources/control_ids.h"
#include "resources/ids.h"
#include "state/screen.h"

namespace velmora::font {
namespace {

// The dialog's state, for one opening at a time (the dialog is modal).
FontFaceList faceList;

// The LetterBase button that shows `letterBase`; 0 for a value no button shows.
std::uint16_t LetterBaseButton(std::int32_t letterBase) {
  switch (letterBase) {
    case kLetterBaseStored:
      return resources::kIdcBase97;
    case kLetterBaseWindows1255:
      return resources::kIdcBase224;
    case kLetterBaseUnicode:
      return resources::kIdcBase1488;
    default:
      return 0;
  }
}

void FillFaceList(platform::WindowHandle dialog, const FontSettings& settings) {
  platform::WindowHandle faces = platform::GetDlgItem(dialog, resources::kIdcFaceList);
  platform::ListBoxReset(faces);
  for (const FontFaceEntry* entry = faceList.first; entry != nullptr; entry = entry->next) {
    platform::ListBoxAddString(faces, entry->faceName);
  }
  platform::ListBoxSelectString(faces, settings.faceName);
}

void FillSizeList(platform::WindowHandle dialog, const FontSettings& settings) {
  platform::WindowHandle sizes = platform::GetDlgItem(dialog, resources::kIdcSizeList);
  platform::ListBoxReset(sizes);
  // A stored size below the table's first comes first, so it can be kept.
  if (settings.size != 0 && settings.size < kSizeTable.front()) {
    platform::ListBoxAddString(sizes, FormatSize(settings.size));
  }
  for (std::int32_t size : kSizeTable) platform::ListBoxAddString(sizes, FormatSize(size));
  if (settings.size != 0) platform::ListBoxSelectString(sizes, FormatSize(settings.size));
}

// WM_INITDIALOG: the lists filled from the device's families and the record.
void OpenFontDialog(platform::WindowHandle dialog, FontSettings& settings) {
  platform::WindowHandle parent = platform::GetParent(dialog);
  platform::Surface* surface = platform::GetWindowSurface(parent);
  screen::InitDialogScreen(dialog, screen::kFullScreenDialogFlags);

  ResetFontFaceList(faceList);
  faceList.settings = &settings;
  if (settings.letterBase == 0) settings.letterBase = kLetterBaseUnicode;
  ShowPreviewLetters(dialog, settings.letterBase);
  if (const std::uint16_t button = LetterBaseButton(settings.letterBase)) {
    platform::SetButtonCheck(platform::GetDlgItem(dialog, button), true);
  }

  if (surface != nullptr) {
    if (faceList.first == nullptr) {
      platform::EnumerateFontFamilies(surface, AddFontFace, &faceList);
    }
    platform::ReleaseWindowSurface(parent, surface);
  }

  FillFaceList(dialog, settings);
  FillSizeList(dialog, settings);
  platform::SetFocus(platform::GetDlgItem(dialog, resources::kIdcFaceList));
}

// WM_COMMAND: whether the command was handled.
bool FontDialogCommand(platform::WindowHandle dialog, platform::WParam wParam) {
  const std::uint16_t id = platform::LowWord(wParam);
  switch (id) {
    case platform::IDOK:
      ReadFontChoice(faceList, dialog, true, false);
      FreeFontFaces(faceList);
      platform::EndDialog(dialog, platform::IDOK);
      return true;
    case platform::IDCANCEL:
      FreeFontFaces(faceList);
      platform::EndDialog(dialog, platform::IDCANCEL);
      return true;
    case resources::kIdcFaceList:
    case resources::kIdcSizeList:
      ReadFontChoice(faceList, dialog, false, true);
      return false;
    case resources::kIdcBase97:
      ShowPreviewLetters(dialog, kLetterBaseStored);
      break;
    case resources::kIdcBase224:
      ShowPreviewLetters(dialog, kLetterBaseWindows1255);
      break;
    case resources::kIdcBase1488:
      ShowPreviewLetters(dialog, kLetterBaseUnicode);
      break;
    default:
      return false;
  }
  ReadFontChoice(faceList, dialog, false, false);
  return false;
}

}  // namespace

std::intptr_t FontDialogProc(platform::WindowHandle dialog, std::uint32_t message,
                             platform::WParam wParam, platform::LParam lParam) {
  switch (message) {
    case platform::WM_INITDIALOG: {
      auto* settings = reinterpret_cast<FontSettings*>(lParam);
      if (settings == nullptr) {
        platform::EndDialog(dialog, platform::IDCANCEL);
        return 1;
      }
      OpenFontDialog(dialog, *settings);
      return 0;
    }
    case platform::WM_SIZE:
      SizeFontDialog(dialog, platform::LowWord(static_cast<platform::WParam>(lParam)),
                     platform::HighWord(static_cast<platform::WParam>(lParam)));
      return 0;
    case platform::WM_ACTIVATE:
      screen::HideTaskbarOnActivation(wParam);
      return 0;
    case platform::WM_COMMAND:
      return FontDialogCommand(dialog, wParam) ? 1 : 0;
    case platform::WM_DESTROY:
      DropPreviewFont(faceList, dialog);
      return 1;
    default:
      return 0;
  }
}

std::intptr_t RunFontDialog(platform::WindowHandle owner, FontSettings* settings) {
  if (settings == nullptr) return -1;
  return platform::DialogBoxParam(resources::kDialogFont, owner, FontDialogProc,
                                  reinterpret_cast<platform::LParam>(settings));
}

}  // namespace velmora::font
