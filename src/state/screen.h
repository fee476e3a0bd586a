// The screen around the program's windows in full-screen mode: the
// platform's taskbar, and the sizing step that the full-screen-aware dialogs
// share. Kept apart from the main window so that the dialogs can use it
// without depending on the shell.
#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "platform/shell.h"
#include "platform/window_handle.h"

namespace velmora::screen {

// The platform's taskbar window: found at start-up in full-screen mode, none
// otherwise. The Choose Article, search and font dialogs hide it again each
// time they are activated.
extern platform::WindowHandle taskbarWindow;

// What the shell hides for a window in full-screen mode: the taskbar, the
// input-panel button and the start icon.
inline constexpr std::uint32_t kFullScreenHides =
    platform::SHFS_HIDETASKBAR | platform::SHFS_HIDESIPBUTTON | platform::SHFS_HIDESTARTICON;

// What the Choose Article and font dialogs pass to InitDialogScreen on
// WM_INITDIALOG: sized to the screen, full screen, input panel down, no menu bar.
inline constexpr std::uint32_t kFullScreenDialogFlags =
    platform::SHIDIF_SIZEDLG | platform::SHIDIF_SIZEDLGFULLSCREEN | platform::SHIDIF_SIPDOWN |
    platform::SHIDIF_FULLSCREENNOMENUBAR;

// The shell's initialisation of `dialog` with `flags`, plus the Done button
// unless in full-screen mode; in full-screen mode the dialog is then
// stretched up to the top of the screen, over the strip where the taskbar
// was, keeping its other edges.
void InitDialogScreen(platform::WindowHandle dialog, std::uint32_t flags);

// A full-screen-aware dialog's WM_ACTIVATE: hides the taskbar again (when
// there is one) each time the dialog becomes active.
void HideTaskbarOnActivation(platform::WParam activation);

}  // namespace velmora::screen
