// The search dialog (template 115): a label, the edit box and the keyboard
// picture. OK turns the box's text into the SearchPattern and searches the
// book: a hit (or an empty pattern) closes the dialog, no hit leaves it open
// with its text selected. Cancel leaves the SearchPattern as it was.
#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "platform/window_handle.h"

namespace velmora::search {

// The dialog procedure; WM_INITDIALOG carries nothing.
std::intptr_t SearchDialogProc(platform::WindowHandle dialog, std::uint32_t message,
                               platform::WParam wParam, platform::LParam lParam);

// Runs the dialog modally over `owner` (the main window); its result (IDOK,
// IDCANCEL, or -1 when it could not be shown) tells nothing more.
std::intptr_t RunSearchDialog(platform::WindowHandle owner);

}  // namespace velmora::search
