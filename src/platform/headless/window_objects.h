// The headless window table: one record per window, whatever its kind, and
// the operations that the window, dialog, menu and shell parts share.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/menu.h"
#include "platform/window.h"

namespace velmora::platform {

// A menu's items by command, with their check marks.
struct Menu {
  struct Item {
    std::uint16_t command = 0;
    bool checked = false;
  };
  std::vector<Item> items;
};

// An edit box's limit before SetEditLimit.
inline constexpr std::int32_t kDefaultEditLimit = 30000;

struct Window {
  headless::WindowKind kind = headless::WindowKind::kTest;
  long serial = 0;  // order of making
  bool live = true;
  bool destroying = false;  // WM_DESTROY under way
  Window* parent = nullptr;
  Rect place;
  Size client;
  Surface* surface = nullptr;
  std::optional<ScrollBarState> scrollBar;
  long scrollBarSets = 0;
  std::u16string className;
  std::u16string text;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::uint16_t id = 0;
  bool visible = false;

  // Messages and painting.
  WindowProc procedure = nullptr;
  DialogProc dialogProcedure = nullptr;
  std::uint32_t classStyle = 0;
  std::optional<Size> sizeSent;  // the client size WM_SIZE last carried
  bool needsPaint = false;
  bool eraseNeeded = false;
  std::vector<headless::Invalidation> invalidations;
  long heldSurfaces = 0;

  // Dialogs.
  std::vector<Window*> controls;
  bool running = false;
  std::optional<std::intptr_t> endResult;

  // Controls.
  ControlKind controlKind = ControlKind::kStaticText;
  int group = 0;  // radio-button group (rules::ControlGroups)
  Font* font = nullptr;
  bool checked = false;
  std::vector<std::u16string> items;
  int selection = kNoSelection;
  // Edit boxes: the limit of ReplaceEditSelection and the selection.
  std::int32_t editLimit = kDefaultEditLimit;
  EditSelection editSelection;

  // Bars: the record, the command bar's menu, the menu bar's sub-menus by
  // button command.
  std::unique_ptr<headless::BarRecord> bar;
  std::unique_ptr<Menu> menu;
  std::vector<std::pair<std::uint16_t, std::unique_ptr<Menu>>> subMenus;
};

namespace headless {

// A live window of `kind` owned by the table, with a surface of `client`.
Window* NewWindow(WindowKind kind, Window* parent, const Rect& place, Size client);
// Whether `window` is in the table and not destroyed.
bool IsLive(const Window* window);
// Whether `window` is in the table (live or destroyed).
bool IsKnown(const Window* window);
// The windows of `kind` (live ones only, or all), oldest first.
std::vector<Window*> WindowsOfKind(WindowKind kind, bool liveOnly);
// Ends the window and the windows it parents, without messages.
void KillWindow(Window* window);
// Calls the window's or dialog's procedure; 0 without one.
LResult Deliver(Window* window, std::uint32_t message, WParam wParam, LParam lParam);
// Gives the window `place`, resizes its client area and surface, and sends
// WM_SIZE when the client size differs from the one last sent.
void PlaceWindow(Window* window, const Rect& place);
// Sends WM_SIZE with the client size unless it was the last one sent.
void SendSizeIfChanged(Window* window);
// The width a WS_VSCROLL scroll bar takes from the place.
std::int32_t ScrollBarWidth(const Window& window);
// The screen position of the window's client origin.
Rect ScreenPlace(const Window& window);

// Shell and accelerator parts reached from the window part.
void RecordTaskbarShow(Window* taskbar, int command);

}  // namespace headless
}  // namespace velmora::platform
