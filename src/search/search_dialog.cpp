#include "search/search_dialog.h"

#include <cstring>
#include <string>

#include "book/letters.h"
#include "platform/dialog.h"
#include "platform/memory.h"
#include "platform/shell.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "resources/control_ids.h"
#include "resources/ids.h"
#include "search/keyboard.h"
#include "search/search_engine.h"
#include "state/app_state.h"
#include "state/screen.h"
#include "view/text_view.h"

namespace velmora::search {
namespace {

// The dialog's state, for one opening at a time (the dialog is modal).
platform::Font* editFont = nullptr;

platform::WindowHandle EditBox(platform::WindowHandle dialog) {
  return platform::GetDlgItem(dialog, resources::kIdcSearchText);
}

// The edit box in the article view's face and size.
void SetEditFont(platform::WindowHandle edit) {
  const view::TextView* articleView = appState.articleView;
  const FontSettings& fonts = articleView != nullptr ? articleView->fonts : appState.fontSettings;
  platform::FontDescription description;
  description.height = fonts.size;
  std::memcpy(
      description.faceName, fonts.faceName,
      sizeof(char16_t) * std::min<std::size_t>(std::size(description.faceName), kFaceNameCapacity));
  description.faceName[std::size(description.faceName) - 1] = 0;
  editFont = platform::CreateFont(description);
  if (editFont != nullptr) platform::SetControlFont(edit, editFont, true);
}

// WM_INITDIALOG: the stored pattern shown as the view shows text.
void OpenSearchDialog(platform::WindowHandle dialog) {
  const std::span<const std::uint8_t> pattern = StoredPattern();
  char16_t* display = book::ToDisplayText(appState.searchPattern,
                                          static_cast<std::int32_t>(pattern.size()), nullptr);
  platform::WindowHandle edit = EditBox(dialog);
  SetEditFont(edit);
  platform::SetEditLimit(edit, kSearchTextLimit);
  if (display != nullptr) {
    platform::SetControlText(edit, display);
    platform::HeapRelease(display);
  }
}

void Activate(platform::WParam wParam) {
  const std::uint16_t state = platform::LowWord(wParam);
  if (state == platform::WA_INACTIVE) return;
  if (deviceOptions.allowSipInHebrewSearch != 0) {
    platform::ShellFullScreen(appState.mainWindow, platform::SHFS_SHOWSIPBUTTON);
  }
  screen::HideTaskbarOnActivation(wParam);
}

// Ends the dialog with `result` and puts the input panel away.
void CloseSearchDialog(platform::WindowHandle dialog, std::intptr_t result) {
  platform::EndDialog(dialog, result);
  platform::ShellSipPreference(appState.mainWindow, platform::SIP_FORCEDOWN);
  platform::ShowInputPanel(platform::SIPF_OFF);
  platform::ShellFullScreen(appState.mainWindow, platform::SHFS_HIDESIPBUTTON);
}

void SearchFromDialog(platform::WindowHandle dialog) {
  platform::WindowHandle edit = EditBox(dialog);
  PatternFromText(platform::GetControlText(edit));
  if (appState.searchPattern[0] == 0 || SearchBook(dialog)) {
    CloseSearchDialog(dialog, platform::IDOK);
    return;
  }
  // Not found: the next key replaces the whole text.
  platform::SetEditSelection(edit, 0, platform::kEditSelectToEnd);
  platform::SetFocus(edit);
}

}  // namespace

std::intptr_t SearchDialogProc(platform::WindowHandle dialog, std::uint32_t message,
                               platform::WParam wParam, platform::LParam lParam) {
  switch (message) {
    case platform::WM_INITDIALOG:
      OpenSearchDialog(dialog);
      return 1;
    case platform::WM_ACTIVATE:
      Activate(wParam);
      return 0;
    case platform::WM_LBUTTONDOWN:
      KeyboardHitTest(dialog, platform::LowWord(static_cast<platform::WParam>(lParam)),
                      platform::HighWord(static_cast<platform::WParam>(lParam)));
      return 1;
    case platform::WM_CHAR:
      TypeCharacter(dialog, static_cast<char16_t>(wParam));
      return 1;
    case platform::WM_COMMAND:
      switch (platform::LowWord(wParam)) {
        case platform::IDOK:
          SearchFromDialog(dialog);
          return 1;
        case platform::IDCANCEL:
          CloseSearchDialog(dialog, platform::IDCANCEL);
          return 1;
        default:
          return 0;
      }
    case platform::WM_DESTROY:
      if (editFont != nullptr) platform::DeleteFont(editFont);
      editFont = nullptr;
      return 1;
    default:
      return 0;
  }
}

std::intptr_t RunSearchDialog(platform::WindowHandle owner) {
  return platform::DialogBoxParam(resources::kDialogSearch, owner, SearchDialogProc, 0);
}

}  // namespace velmora::search
