// Recorded bars and menus: what the program handed to its command bar or
// menu bar, the check marks of their menus, and accelerator tables.
#include <algorithm>

#include "platform/common/control_rules.h"
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/headless/window_objects.h"
#include "platform/menu.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

constexpr std::int32_t kStartBarHeight = 26;
std::int32_t bar_height = kStartBarHeight;
bool fail_menu_bar = false;
std::vector<std::uint16_t> accelerator_loads;
std::optional<std::uint16_t> active_table;

bool IsBar(const Window* bar) { return headless::IsLive(bar) && bar->bar != nullptr; }

Window* MakeBar(headless::WindowKind kind, Window* parent, std::uint16_t id) {
  const Rect client = GetClientRect(parent);
  const std::int32_t top =
      kind == headless::WindowKind::kCommandBar ? 0 : client.bottom - bar_height;
  Window* bar = headless::NewWindow(kind, parent, {0, top, client.right, top + bar_height},
                                    {client.right, bar_height});
  bar->id = id;
  bar->bar = std::make_unique<headless::BarRecord>();
  bar->bar->kind = kind;
  bar->bar->parent = parent;
  bar->bar->id = id;
  return bar;
}

std::unique_ptr<Menu> MenuOf(std::span<const PopupTemplate> popups) {
  auto menu = std::make_unique<Menu>();
  for (const PopupTemplate& popup : popups) {
    for (const MenuItemTemplate& item : popup.items) {
      if (item.command != 0) menu->items.push_back({item.command, false});
    }
  }
  return menu;
}

// The first item of a menu of a live bar with `command`; nullptr when none.
Menu::Item* FindItem(MenuHandle menu, std::uint16_t command) {
  if (menu == nullptr) return nullptr;
  for (auto kind : {headless::WindowKind::kCommandBar, headless::WindowKind::kMenuBar}) {
    for (Window* bar : headless::WindowsOfKind(kind, true)) {
      bool owned = bar->menu.get() == menu;
      for (auto& [button, subMenu] : bar->subMenus) owned = owned || subMenu.get() == menu;
      if (!owned) continue;
      auto found =
          std::find_if(menu->items.begin(), menu->items.end(),
                       [command](const Menu::Item& item) { return item.command == command; });
      return found == menu->items.end() ? nullptr : &*found;
    }
  }
  return nullptr;
}

bool BarHasCommand(const Window& bar, std::uint16_t command) {
  auto has = [command](const Menu* menu) {
    return menu != nullptr &&
           std::any_of(menu->items.begin(), menu->items.end(),
                       [command](const Menu::Item& item) { return item.command == command; });
  };
  const auto& buttons = bar.bar->buttons;
  return std::any_of(buttons.begin(), buttons.end(),
                     [command](const ToolButton& button) { return button.command == command; }) ||
         has(bar.menu.get()) ||
         std::any_of(bar.subMenus.begin(), bar.subMenus.end(),
                     [&has](const auto& entry) { return has(entry.second.get()); });
}

}  // namespace

WindowHandle CommandBarCreate(WindowHandle parent, std::uint16_t barId) {
  if (!headless::IsLive(parent)) return nullptr;
  return MakeBar(headless::WindowKind::kCommandBar, parent, barId);
}

std::int32_t CommandBarHeight(WindowHandle bar) {
  return IsBar(bar) ? bar->place.bottom - bar->place.top : 0;
}

bool CommandBarInsertMenubar(WindowHandle bar, std::uint16_t menuId) {
  if (!IsBar(bar) || bar->kind != headless::WindowKind::kCommandBar) return false;
  const MenuTemplate* menu = headless::FindMenu(menuId);
  if (menu == nullptr) return false;
  bar->menu = MenuOf(menu->popups);
  bar->bar->menuId = menuId;
  return true;
}

MenuHandle CommandBarGetMenu(WindowHandle bar) { return IsBar(bar) ? bar->menu.get() : nullptr; }

WindowHandle CreateMenuBar(WindowHandle parent, std::uint16_t menuBarId) {
  if (!headless::IsLive(parent) || fail_menu_bar) return nullptr;
  const MenuBarTemplate* menuBar = headless::FindMenuBar(menuBarId);
  const MenuTemplate* menu = menuBar != nullptr ? headless::FindMenu(menuBar->menuId) : nullptr;
  if (menu == nullptr) return nullptr;
  Window* bar = MakeBar(headless::WindowKind::kMenuBar, parent, menuBarId);
  bar->bar->menuId = menuBar->menuId;
  for (const MenuBarButtonTemplate& button : menuBar->buttons) {
    if (button.subMenu < menu->popups.size()) {
      bar->subMenus.emplace_back(button.command, MenuOf(menu->popups.subspan(button.subMenu, 1)));
    }
  }
  return bar;
}

MenuHandle MenuBarSubMenu(WindowHandle bar, std::uint16_t buttonCommand) {
  if (!IsBar(bar)) return nullptr;
  for (auto& [command, subMenu] : bar->subMenus) {
    if (command == buttonCommand) return subMenu.get();
  }
  return nullptr;
}

void BarAddToolTips(WindowHandle bar, std::span<const std::u16string_view> tips) {
  if (!IsBar(bar)) return;
  bar->bar->toolTips.assign(tips.begin(), tips.end());
}

void BarAddBitmap(WindowHandle bar, std::uint16_t bitmapId, int count, int imageSize) {
  if (!IsBar(bar)) return;
  bar->bar->bitmapId = bitmapId;
  bar->bar->bitmapCount = count;
  bar->bar->imageSize = imageSize;
}

void BarAddButtons(WindowHandle bar, std::span<const ToolButton> buttons) {
  if (IsBar(bar)) bar->bar->buttons.insert(bar->bar->buttons.end(), buttons.begin(), buttons.end());
}

void BarAddCloseButton(WindowHandle bar) {
  if (IsBar(bar)) bar->bar->closeButton = true;
}

void BarShow(WindowHandle bar, bool show) {
  if (!IsBar(bar)) return;
  bar->bar->shown = show;
  ++bar->bar->showCalls;
  bar->visible = show;
}

void CheckMenuItem(MenuHandle menu, std::uint16_t command, bool checked) {
  if (Menu::Item* item = FindItem(menu, command)) item->checked = checked;
}

bool IsMenuItemChecked(MenuHandle menu, std::uint16_t command) {
  const Menu::Item* item = FindItem(menu, command);
  return item != nullptr && item->checked;
}

bool LoadAccelerators(std::uint16_t tableId) {
  accelerator_loads.push_back(tableId);
  if (headless::FindAccelerators(tableId).empty()) return false;
  active_table = tableId;
  return true;
}

namespace headless {

void SetBarHeight(std::int32_t height) { bar_height = height; }

void FailMenuBarCreation(bool fail) { fail_menu_bar = fail; }

const BarRecord* BarOf(WindowHandle bar) { return IsKnown(bar) ? bar->bar.get() : nullptr; }

std::vector<WindowHandle> Bars() {
  std::vector<WindowHandle> bars = WindowsOfKind(WindowKind::kCommandBar, false);
  std::vector<WindowHandle> menuBars = WindowsOfKind(WindowKind::kMenuBar, false);
  bars.insert(bars.end(), menuBars.begin(), menuBars.end());
  std::sort(bars.begin(), bars.end(),
            [](const Window* a, const Window* b) { return a->serial < b->serial; });
  return bars;
}

bool ChooseBarCommand(WindowHandle bar, std::uint16_t command) {
  if (!IsBar(bar) || !BarHasCommand(*bar, command)) return false;
  Deliver(bar->parent, WM_COMMAND, MakeWParam(command, BN_CLICKED), 0);
  return true;
}

const std::vector<std::uint16_t>& AcceleratorLoads() { return accelerator_loads; }

std::optional<std::uint16_t> ActiveAcceleratorTable() { return active_table; }

bool TranslateAccelerator(WindowHandle window, std::uint8_t modifiers, std::uint32_t virtualKey) {
  if (!active_table) return false;
  const Accelerator* entry =
      rules::FindAccelerator(FindAccelerators(*active_table), virtualKey, modifiers);
  if (entry == nullptr) return false;
  Deliver(window, WM_COMMAND, MakeWParam(entry->command, kAcceleratorNotification), 0);
  return true;
}

void ResetMenus() {
  bar_height = kStartBarHeight;
  fail_menu_bar = false;
  accelerator_loads.clear();
  active_table.reset();
}

}  // namespace headless
}  // namespace velmora::platform
