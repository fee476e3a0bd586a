// The main window's bar (the command bar at the top, or the menu bar at the
// bottom) with its menu and tool buttons, and the check marks of its menu.
#pragma once

#include <cstdint>

#include "platform/menu.h"
#include "platform/window_handle.h"

namespace velmora::shell {

// Platform versions from this one on have the menu bar at the bottom.
inline constexpr std::uint32_t kBottomMenuBarMajor = 4;
inline constexpr std::uint32_t kBottomMenuBarMinor = 21;

// Creates the bar of the main window (appState.mainWindow): the bottom menu
// bar on platform versions from 4.21 on or when MenuBarOnBottom is set, the
// command bar otherwise; then its tooltips, images and six buttons, and the
// close button on a command bar in full-screen mode. Sets the bar window and
// the bar height in appState. A menu bar that cannot be made leaves no bar
// window and a bar height of 0; the program goes on without a bar.
void CreateBars();

// How a check mark is set: to a wanted state, or flipped.
enum class CheckMode { kSet, kToggle };

// Sets (kSet: to `wanted`) or flips (kToggle) the check mark of item
// `command` of `menu`; returns the item's new state, 1 checked or 0 not.
// Without a menu (no bar) nothing is shown and `wanted` stands for the
// state: kSet returns it, kToggle its opposite, so that an option kept
// beside the check still flips.
int SetMenuCheck(platform::MenuHandle menu, CheckMode mode, std::uint16_t command, bool wanted);

// Shows on the Bookmark item whether CurrentArticle is bookmarked.
void SyncBookmarkCheck(platform::WindowHandle window, CheckMode mode);

// kSet: shows the Reverse option (AppFlags bit 11) as the Reverse item's
// check. kToggle: flips the check and the option with it.
void SyncReverseCheck(platform::WindowHandle window, CheckMode mode);

}  // namespace velmora::shell
