// Menus, the two kinds of bar that carry them (the command bar at the top,
// the menu bar at the bottom), tool buttons with tooltips, check marks, and
// accelerator tables.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/window_handle.h"

namespace velmora::platform {

// --- Templates --------------------------------------------------------------

// A menu item; command 0 is a separator. A '\b' in the caption separates the
// key name shown at the right; '&' marks the mnemonic.
struct MenuItemTemplate {
  std::u16string_view caption;
  std::uint16_t command;
};

struct PopupTemplate {
  std::u16string_view caption;
  std::span<const MenuItemTemplate> items;
};

struct MenuTemplate {
  std::span<const PopupTemplate> popups;
};

// A button of the bottom menu bar that drops down one popup of a menu.
struct MenuBarButtonTemplate {
  std::uint16_t command;   // its own command (40001, 40002)
  std::uint16_t stringId;  // caption: a string resource
  std::uint16_t subMenu;   // index of the popup it drops down
};

struct MenuBarTemplate {
  std::uint16_t menuId;
  std::span<const MenuBarButtonTemplate> buttons;
};

// A tool button: an image of the bar's bitmap and the command it sends.
struct ToolButton {
  int image;
  std::uint16_t command;
};

// An accelerator: a virtual key with modifiers, and the command it sends.
inline constexpr std::uint8_t kAccelControl = 0x08;
inline constexpr std::uint8_t kAccelAlt = 0x10;
struct Accelerator {
  std::uint8_t modifiers;
  std::uint32_t virtualKey;
  std::uint16_t command;
};

// --- Bars -------------------------------------------------------------------
// A bar is a window inside its parent's client area: the command bar along
// the top, the menu bar along the bottom. Menu items and tool buttons send
// WM_COMMAND with their command to the parent.

struct Menu;
using MenuHandle = Menu*;

// The command bar: created empty in `parent`, then given its menu.
WindowHandle CommandBarCreate(WindowHandle parent, std::uint16_t barId);
std::int32_t CommandBarHeight(WindowHandle bar);
bool CommandBarInsertMenubar(WindowHandle bar, std::uint16_t menuId);
// The menu of the command bar.
MenuHandle CommandBarGetMenu(WindowHandle bar);

// The bottom menu bar with its drop-down buttons; nullptr when it cannot
// be made.
WindowHandle CreateMenuBar(WindowHandle parent, std::uint16_t menuBarId);
// The popup that a menu-bar button drops down.
MenuHandle MenuBarSubMenu(WindowHandle bar, std::uint16_t buttonCommand);

// On either bar: tooltips (the first entry is empty, then one per button),
// the images (`count` images of `imageSize` pixels from bitmap resource
// `bitmapId`), the buttons, the close button, and showing it.
void BarAddToolTips(WindowHandle bar, std::span<const std::u16string_view> tips);
void BarAddBitmap(WindowHandle bar, std::uint16_t bitmapId, int count, int imageSize);
void BarAddButtons(WindowHandle bar, std::span<const ToolButton> buttons);
void BarAddCloseButton(WindowHandle bar);
void BarShow(WindowHandle bar, bool show);

// --- Check marks ------------------------------------------------------------
void CheckMenuItem(MenuHandle menu, std::uint16_t command, bool checked);
bool IsMenuItemChecked(MenuHandle menu, std::uint16_t command);

// --- Accelerators -----------------------------------------------------------
// Makes accelerator table `tableId` active for the message loop; false when
// the program has no such table.
bool LoadAccelerators(std::uint16_t tableId);

}  // namespace velmora::platform
