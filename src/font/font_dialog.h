// The font dialog (template 105, "Choose Font"): face, size and LetterBase of
// the book's text, with a preview of the 27 letters. It edits the FontSettings
// record it is given; the caller applies the record to the article view.
#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "platform/window_handle.h"
#include "state/app_state.h"

namespace velmora::font {

// The dialog procedure; WM_INITDIALOG carries the FontSettings* to edit.
std::intptr_t FontDialogProc(platform::WindowHandle dialog, std::uint32_t message,
                             platform::WParam wParam, platform::LParam lParam);

// Runs the dialog modally over `owner` on `settings`: IDOK after the choice
// was written into `settings`, IDCANCEL when it was left as it was (but for a
// LetterBase of 0, which opening makes 1488), -1 when the dialog could not be
// shown or no record was given.
std::intptr_t RunFontDialog(platform::WindowHandle owner, FontSettings* settings);

}  // namespace velmora::font
