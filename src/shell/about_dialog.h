// The About dialog (template 103): the program's name, picture and version,
// and a link-styled button that opens the maker's home page.
#pragma once

#include <cstdint>

#include "platform/dialog.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window_handle.h"

namespace velmora::shell {

// The link button's font: made when the dialog opens, deleted when it closes,
// none otherwise.
extern platform::Font* linkFont;

// The dialog procedure of template 103.
std::intptr_t AboutDialogProc(platform::WindowHandle dialog, std::uint32_t message,
                              platform::WParam wParam, platform::LParam lParam);

// Makes the link font (the button's font, underlined, extra bold; Tahoma and
// 10 points where the button's font gives none), gives it to the link button
// and sizes the button to its caption. Returns the font, or nullptr when it
// cannot be made (the button then keeps its font and size).
platform::Font* InitLinkButton(platform::WindowHandle dialog);

// Draws the caption of control `controlId` as a link: blue, on no background,
// without frame, focus or pressed look.
void DrawLinkButton(platform::WindowHandle dialog, std::uint16_t controlId,
                    const platform::DrawItem* item);

// Runs the About dialog modally over `owner`; returns how it ended (IDOK or
// IDCANCEL), or -1 when it could not be shown.
std::intptr_t RunAboutDialog(platform::WindowHandle owner);

}  // namespace velmora::shell
