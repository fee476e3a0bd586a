// The Qt window table: what each kind of window keeps beyond the common
// record, and the operations that the window, dialog, control, menu, shell and
// instance parts share. Shared by the Qt platform's parts only.
#pragma once

#include <QAction>
#include <QIcon>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/dialog.h"
#include "platform/menu.h"
#include "platform/messages.h"
#include "platform/qt/qt_handles.h"
#include "platform/window.h"

class QDialogButtonBox;
class QMenuBar;
class QToolBar;

namespace velmora::platform {

struct TopLevelState {
  WindowProc procedure = nullptr;
  bool destroying = false;    // WM_DESTROY under way
  std::vector<Window*> bars;  // docked to the top or bottom of the client area
};

struct DialogState {
  DialogProc procedure = nullptr;
  const DialogTemplate* dialogTemplate = nullptr;
  std::vector<Window*> controls;  // in template order
  bool drawsItself = false;       // no controls: the client shows the surface
  QFont font;                     // the dialog's font
  Font* surfaceFont = nullptr;    // the same, for control surfaces
  int baseUnitX = 0;              // average character width
  int baseUnitY = 0;              // character height
  QDialogButtonBox* okRow = nullptr;
  bool sizedByShell = false;  // ShellInitDialog gave it the owner's place
  bool running = false;
  int depth = 0;  // procedure calls under way
  bool ended = false;
  std::intptr_t result = 0;
};

struct ControlState {
  ControlKind kind = ControlKind::kStaticText;
  std::uint32_t style = 0;
  int group = 0;                   // radio buttons: its group's number
  std::u16string text;             // as the program set it (a caption)
  Font* givenFont = nullptr;       // as SetControlFont received it
  Font* font = nullptr;            // our copy of it, for the control's surface
  std::int32_t editLimit = 30000;  // edit boxes: what ReplaceEditSelection lets in
};

// A menu's items by command. A command bar's menu holds every item of its
// menu; a menu bar's sub-menu those of one popup.
struct Menu {
  std::vector<QPointer<QAction>> items;
};

struct BarState {
  bool atBottom = false;
  QMenuBar* menuBar = nullptr;  // the command bar's
  QToolBar* tools = nullptr;
  std::vector<std::u16string> toolTips;
  std::vector<QIcon> images;
  std::size_t buttonsAdded = 0;
  std::unique_ptr<Menu> menu;                                             // the command bar's
  std::vector<std::pair<std::uint16_t, std::unique_ptr<Menu>>> subMenus;  // by button
};

// --- The table ----------------------------------------------------------------
// A new live window of `kind`, with the state of its kind.
Window* NewWindow(WindowKind kind, Window* parent);
// Whether `window` was made by the table and not yet destroyed.
bool IsLive(const Window* window);
// Takes the window out of the table: every operation on it does nothing from
// now on. Its record stays, so that a stale handle is harmless.
void RetireWindow(Window* window);
// The live top-level window made first (the program's main window), or nullptr.
Window* FirstTopLevelWindow();

// --- Messages -------------------------------------------------------------------
// Calls the window's or dialog's procedure; 0 without one. A dialog that
// ends meanwhile closes once its outermost procedure call has returned.
LResult Deliver(Window* window, std::uint32_t message, WParam wParam, LParam lParam);
// What a dialog does with a message its procedure left: erasing and
// validating; 0 for everything else.
LResult DefDialogHandling(Window* dialog, std::uint32_t message, WParam wParam);

// --- Sizes and painting ---------------------------------------------------------
// Records `size` as the client size: the surface follows it (white), the
// client waits for painting with erase, the bars are docked again, and
// WM_SIZE is sent when the size differs from the one last sent.
void ApplyClientSize(Window* window, QSize size);
// Sends WM_SIZE with the client size unless it was the last one sent.
void SendSizeIfChanged(Window* window);
// When the window needs painting: WM_PAINT until it is painted (a few rounds
// at most). Drawing meanwhile asks for no repaint, so a paint event can call it.
void DeliverPaint(Window* window);
// Whether the client widget shows the window's surface (a dialog with
// controls shows the toolkit's background instead).
bool ShowsSurface(const Window* window);
// Places the frame's (or dialog's) client, scroll bar and OK button row for
// its present size, and applies the client size that follows.
void PlaceFrameChildren(Window* window);
// Docks the window's bars to the top or bottom of its client area.
void DockBars(Window* window);
// Makes or remakes the window's surface, white, at `size` and the pixel
// ratio of `shownIn` (else of its widget); the Surface* stays the same.
void ResizeSurface(Window* window, QSize size, QWidget* shownIn);

// --- Scroll bars and keys ---------------------------------------------------------
// A vertical scroll bar in the window whose actions become WM_VSCROLL.
QScrollBar* MakeScrollBar(Window* window, QWidget* parent);
// The width of a vertical scroll bar.
int ScrollBarExtent();
// Offers a key to the active accelerator table; true when it sent a command.
bool TranslateAccelerator(Window* window, std::uint32_t virtualKey, std::uint8_t modifiers);

// --- Dialogs ----------------------------------------------------------------------
// Builds the template's controls in the dialog's client area.
void BuildControls(Window* dialog);
// The control's surface at its size, with its font selected.
Surface* ControlSurface(Window* control);
// Frees what the control owns (surface, font copy).
void ReleaseControl(Window* control);
// Shows the dialog's OK button row (WS_EX_CAPTIONOKBTN or a Done button).
void EnsureOkRow(Window* dialog);
// The running dialog whose widget `widget` is, or nullptr.
Window* RunningDialogOf(const QWidget* widget);
// Asks the main window to close as its close button would. While a modal
// dialog or box is open, it is cancelled first and the request is repeated
// until none is left, so that no procedure is inside a dialog of a window
// that is gone.
void RequestMainWindowClose();
// True from a quit posted until the message loop takes it: a modal run that
// starts meanwhile ends at once.
bool QuitPosted();

// --- Text -------------------------------------------------------------------------
inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace velmora::platform
