#include "shell/bars.h"

#include "index/bookmarks.h"
#include "platform/shell.h"
#include "platform/window.h"
#include "resources/ids.h"
#include "resources/toolbar.h"
#include "state/app_state.h"

namespace velmora::shell {
namespace {

bool PlatformHasBottomMenuBar() {
  const platform::PlatformVersion version = platform::GetPlatformVersion();
  return version.major > kBottomMenuBarMajor ||
         (version.major == kBottomMenuBarMajor && version.minor >= kBottomMenuBarMinor);
}

void CreateCommandBar(platform::WindowHandle window) {
  platform::WindowHandle bar = platform::CommandBarCreate(window, resources::kCommandBarId);
  appState.barWindow = bar;
  appState.barHeight = 0;
  if (bar == nullptr) return;
  appState.barHeight = platform::CommandBarHeight(bar);
  platform::CommandBarInsertMenubar(bar, resources::kMenuMain);
}

// The menu bar stays where it is, narrowed so as to leave the strip of the
// vertical scroll bar free. Its place is on the screen; it moves within the
// main window.
void CreateBottomMenuBar(platform::WindowHandle window) {
  platform::WindowHandle bar = platform::CreateMenuBar(window, resources::kMenuMain);
  appState.barWindow = bar;
  if (bar == nullptr) {
    appState.barHeight = 0;
    return;
  }
  const platform::Rect place = platform::GetWindowRect(bar);
  const platform::Rect parent = platform::GetWindowRect(window);
  appState.barHeight = place.bottom - place.top;
  platform::MoveWindow(bar, place.left - parent.left, place.top - parent.top,
                       place.right - place.left - platform::GetSystemMetric(platform::SM_CXVSCROLL),
                       appState.barHeight, true);
}

// The menu that holds the items of the popup that `menuBarButton` drops down:
// on the menu bar, that popup; on the command bar, the bar's whole menu.
platform::MenuHandle MenuHolding(std::uint16_t menuBarButton) {
  if (appState.barWindow == nullptr) return nullptr;
  if (appState.menuBarOnBottom != 0) {
    return platform::MenuBarSubMenu(appState.barWindow, menuBarButton);
  }
  return platform::CommandBarGetMenu(appState.barWindow);
}

}  // namespace

void CreateBars() {
  if (PlatformHasBottomMenuBar()) appState.menuBarOnBottom = 1;
  const bool commandBar = appState.menuBarOnBottom == 0;
  if (commandBar) {
    CreateCommandBar(appState.mainWindow);
  } else {
    CreateBottomMenuBar(appState.mainWindow);
  }
  platform::WindowHandle bar = appState.barWindow;
  if (bar == nullptr) return;
  platform::BarAddToolTips(bar, resources::ToolbarTips());
  platform::BarAddBitmap(bar, resources::kBitmapToolbar, resources::kToolbarImageCount,
                         resources::kToolbarImageSize);
  platform::BarAddButtons(bar, resources::ToolbarButtons());
  if (deviceOptions.fullScreen != 0 && commandBar) platform::BarAddCloseButton(bar);
  platform::BarShow(bar, true);
}

int SetMenuCheck(platform::MenuHandle menu, CheckMode mode, std::uint16_t command, bool wanted) {
  bool checked = wanted;
  if (mode == CheckMode::kToggle) {
    checked = menu != nullptr ? !platform::IsMenuItemChecked(menu, command) : !wanted;
  }
  if (menu != nullptr) platform::CheckMenuItem(menu, command, checked);
  return checked ? 1 : 0;
}

void SyncBookmarkCheck(platform::WindowHandle, CheckMode mode) {
  SetMenuCheck(MenuHolding(resources::kCmdMenuBarGo), mode, resources::kCmdBookmark,
               index::IsBookmarked());
}

void SyncReverseCheck(platform::WindowHandle, CheckMode mode) {
  const bool reverse = (appState.appFlags & ReverseOption) != 0;
  if (SetMenuCheck(MenuHolding(resources::kCmdMenuBarFile), mode, resources::kCmdReverse,
                   reverse) == 1) {
    appState.appFlags |= ReverseOption;
  } else {
    appState.appFlags &= ~ReverseOption;
  }
}

}  // namespace velmora::shell
