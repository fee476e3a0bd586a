// Test controls of the headless platform: scripted answers, recorded calls
// and injected faults. Only tests include this header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/clipboard.h"
#include "platform/dialog.h"
#include "platform/instance.h"
#include "platform/menu.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "platform/window_handle.h"

namespace velmora::platform::headless {

// --- Heap -------------------------------------------------------------------
// The next `allowed` allocations succeed, every one after them fails, until
// ResetHeapFaults. Returns to normal with ResetHeapFaults.
void FailHeapAfter(int allowed);
void ResetHeapFaults();
// Live blocks (allocated, not yet released): tests check for leaks with it.
long LiveHeapBlocks();

// --- Message boxes ----------------------------------------------------------
struct MessageBoxCall {
  WindowHandle owner;
  std::u16string text;
  std::u16string caption;  // as shown (the default caption filled in)
  std::uint32_t style;
};
const std::vector<MessageBoxCall>& MessageBoxCalls();
// Answers for the next boxes, in order; a box without a scripted answer
// returns kIdOk (or kIdYes... for a question: the first button of its style).
void ScriptMessageBoxAnswers(std::vector<int> answers);

// --- Message loop -----------------------------------------------------------
// The exit code of the last PostQuitMessage, if one was posted.
std::optional<int> PostedQuit();

// --- Process ----------------------------------------------------------------
void SetModuleFileName(std::u16string path);

// --- Resources --------------------------------------------------------------
// Replaces the compiled-in resources with `entries` (a test book) until
// RestoreResources; the entries must outlive their use.
void InstallResources(std::span<const ResourceEntry> entries);
void RestoreResources();

// --- Drawing surfaces -------------------------------------------------------
// Metrics, fixed so that tests compute pixels by hand: a font's cell height is
// its requested height (its magnitude when negative; kHeadlessDefaultHeight
// when 0), every code unit advances cell height / 2 pixels (integer
// division), and the widest advance is the same. A new surface draws black
// text on an opaque white background with the default font (cell height
// kHeadlessDefaultHeight, weight 400); its pen is black, its brush white.
inline constexpr std::int32_t kHeadlessDefaultHeight = 16;

// A surface of its own, not tied to a window. Destroy it with
// DestroyTestSurface.
Surface* CreateTestSurface(std::int32_t width, std::int32_t height);
void DestroyTestSurface(Surface* surface);

enum class DrawKind { kTextInBox, kTextClipped, kFill, kRectangle, kBitmap };

// One drawing call as the surface saw it, with the state that applied.
struct DrawCall {
  DrawKind kind;
  std::u16string text;  // text calls: the units drawn
  Rect box;             // text box, clip rectangle, filled or outlined
                        // rectangle, or the bitmap's destination
  std::int32_t x = 0;   // clipped text: the point given
  std::int32_t y = 0;
  Colour textColour = kColourBlack;
  Colour backgroundColour = kColourWhite;
  BackgroundMode backgroundMode = BackgroundMode::kOpaque;
  std::int32_t fontHeight = 0;  // cell height of the selected font
  std::int32_t fontWeight = 0;
  bool fontUnderline = false;
  Colour brushColour = kColourWhite;  // fill: the brush given; rectangle: the
                                      // selected brush
  Colour penColour = kColourBlack;    // rectangle: the selected pen
  std::uint16_t bitmapId = 0;         // bitmap: its resource number
};

// Every drawing call on `surface` since it was made or last cleared.
const std::vector<DrawCall>& DrawCalls(Surface* surface);
// Forgets the drawing calls and zeroes the measuring counters of `surface`.
void ClearDrawCalls(Surface* surface);
// FitText and TextExtent calls on `surface` since it was made or cleared.
long FitTextCalls(Surface* surface);
long TextExtentCalls(Surface* surface);

// The font families EnumerateFontFamilies reports, in this order; none
// until set.
void SetFontFamilies(std::vector<FontFamily> families);

// --- Windows ----------------------------------------------------------------
// Every window has a client area with its origin at 0, 0 (GetClientRect), a
// place (GetWindowRect; a control's or bar's place is relative to its
// parent's client area, as MoveWindow takes it) and a surface of its client
// size, which GetWindowSurface returns and which stays the same Surface*
// across resizes. A top-level window's place is its client area plus, with
// WS_VSCROLL, the scroll bar's width (GetSystemMetric(SM_CXVSCROLL)) at the
// right; it has no frame or caption. WM_SIZE is sent whenever the client size
// changes (creation, MoveWindow, SetWindowPosition, ResizeDialog, full-screen
// dialogs). No activation messages are sent: tests send WM_ACTIVATE.
// Destroyed windows stay allocated (not live) until ResetAll, so a stale handle
// is harmless: every operation on it does nothing and queries read empty.

// A window with the place `client` (its client size is that rectangle's size)
// and a surface, which GetWindowSurface returns. It has no procedure. Destroy it
// with DestroyTestWindow; ResetAll keeps it.
WindowHandle CreateTestWindow(const Rect& client);
void DestroyTestWindow(WindowHandle window);
// The window's vertical scroll bar as last set; nothing before the first set.
std::optional<ScrollBarState> ScrollBarOf(WindowHandle window);
// How many times the window's scroll bar was set.
long ScrollBarSets(WindowHandle window);

// The client size and origin of a top-level window created with
// CW_USEDEFAULT (size: 240 x 320; origin: 0, 0, until set).
void SetDefaultClientSize(std::int32_t width, std::int32_t height);
void SetDefaultWindowOrigin(std::int32_t x, std::int32_t y);
// While set, CreateTopLevelWindow fails (nullptr) without calling a procedure.
void FailWindowCreation(bool fail);
// Sets what GetSystemMetric answers for `index` (SM_CXVSCROLL 13, SM_CXEDGE 2,
// SM_CYEDGE 2 until set; others 0).
void SetSystemMetric(int index, std::int32_t value);

enum class WindowKind {
  kTest,        // CreateTestWindow
  kTopLevel,    // CreateTopLevelWindow
  kDialog,      // DialogBoxParam
  kControl,     // a dialog's control
  kCommandBar,  // CommandBarCreate
  kMenuBar,     // CreateMenuBar
  kTaskbar      // SimulateTaskbar
};

// A copy of what a window is, for assertions.
struct WindowInfo {
  WindowKind kind = WindowKind::kTest;
  bool live = false;         // not destroyed
  std::u16string className;  // top-level windows
  std::u16string text;       // title, dialog caption or control text
  std::uint32_t style = 0;   // window, dialog or control style
  std::uint32_t exStyle = 0;
  std::uint16_t id = 0;           // dialog template, control id or bar id
  WindowHandle parent = nullptr;  // a dialog's owner, a control's dialog, a bar's
                                  // window
  Rect place;                     // as GetWindowRect, but a child's relative to
                                  // its parent's client area
  bool visible = false;
};
// Nothing for a handle that never came from the headless platform or was
// freed by ResetAll.
std::optional<WindowInfo> DescribeWindow(WindowHandle window);
bool IsLiveWindow(WindowHandle window);
// The live top-level windows, oldest first.
std::vector<WindowHandle> TopLevelWindows();

// A class as RegisterWindowClass received it.
struct ClassRecord {
  std::u16string name;
  WindowProc procedure = nullptr;
  std::uint32_t style = 0;
  std::uint16_t iconId = 0;
};
// Every successful registration, in order. Registering a name twice fails.
const std::vector<ClassRecord>& RegisteredClasses();

// --- Painting and focus -----------------------------------------------------
// One InvalidateRect call (or the platform's own marking: a new window, a
// repainting move, a resize of a CS_HREDRAW/CS_VREDRAW window), the rectangle
// being the whole client area when none was given.
struct Invalidation {
  Rect rect;
  bool erase = false;
};
const std::vector<Invalidation>& Invalidations(WindowHandle window);
// Whether part of the window waits for painting: marked since the last
// EndPaint or delivered WM_PAINT. A new window waits for painting (erase set).
bool NeedsPaint(WindowHandle window);
// When the window needs painting: WM_ERASEBKGND (wParam: its Surface*) if an
// erase was asked, then WM_PAINT; the window counts as painted afterwards,
// as the default handling of WM_PAINT leaves it (marks made during WM_PAINT
// wait for the next painting). Returns whether it painted. UpdateWindow does
// the same.
bool DeliverPaint(WindowHandle window);
// GetWindowSurface calls less ReleaseWindowSurface calls on `window`.
long HeldSurfaces(WindowHandle window);
// The window last given the focus (SetFocus); nullptr when none.
WindowHandle FocusedWindow();
// The keys IsKeyHeld reports as held (VK_SHIFT, VK_CONTROL) from now on, until
// the next call or ResetAll; none at first.
void HoldKeys(std::initializer_list<std::uint32_t> virtualKeys);

// --- Dialogs ----------------------------------------------------------------
// DialogBoxParam builds the dialog from its template (found first among the
// templates installed below, then through platform::FindDialogTemplate):
// its client size and its controls' places are the template's dialog units
// times kDialogUnitX / kDialogUnitY pixels (MapDialogRect likewise), its
// place starts at the owner's place's origin. Then, in order: WM_INITDIALOG
// (lParam: the parameter; a non-zero answer gives the focus to the first
// tab-stop control); WM_SIZE with the client size unless WM_INITDIALOG already
// sent that size (full-screen ShellInitDialog); the next script queued for
// the template id; when the dialog has not ended, WM_COMMAND IDCANCEL, and
// when it still has not ended, the result IDCANCEL; WM_DESTROY. EndDialog
// during WM_INITDIALOG skips WM_SIZE and the script. The result is that of the
// last EndDialog. The dialog and its controls are no longer live afterwards.
inline constexpr std::int32_t kDialogUnitX = 2;
inline constexpr std::int32_t kDialogUnitY = 2;

// What a test does while a dialog runs: it receives the dialog and drives it
// with the helpers below or with SendMessage.
using DialogScript = std::function<void(WindowHandle dialog)>;
// Queues `script` for the next run of dialog template `templateId` (one queue
// per template id, first in first out). A run with no script queued is
// cancelled as above.
void ScriptDialog(std::uint16_t templateId, DialogScript script);
// Scripts queued and not yet run, over all template ids.
std::size_t PendingDialogScripts();

// One call of DialogBoxParam, recorded when it returns (so a dialog opened
// from inside another's script comes first). `dialog` is nullptr when the
// template was missing (result -1).
struct DialogRun {
  std::uint16_t templateId = 0;
  WindowHandle owner = nullptr;
  LParam parameter = 0;
  std::intptr_t result = 0;
  WindowHandle dialog = nullptr;
};
const std::vector<DialogRun>& DialogRuns();

// Helpers for scripts. Each does nothing (false, 0) for a dialog that is not
// running (not live, or already ended) or a control id it does not have.
// Clicks control `id`: a radio button first checks itself and unchecks the
// other radio buttons of its group (controls from a kControlGroup control up
// to the next; the whole dialog without such marks); then WM_COMMAND with
// `id` (notification 0) and the control as lParam.
bool ClickControl(WindowHandle dialog, std::uint16_t id);
// Selects item `index` of list box `id` (kNoSelection clears), then sends
// WM_COMMAND with `id`, LBN_SELCHANGE and the control as lParam. False for an
// index out of range or a control that is no list box.
bool SelectListItem(WindowHandle dialog, std::uint16_t id, int index);
// WM_COMMAND with `command` (notification 0, lParam 0); the procedure's answer.
std::intptr_t SendDialogCommand(WindowHandle dialog, std::uint16_t command);
// Gives the dialog the client size `width` x `height` and sends WM_SIZE.
void ResizeDialog(WindowHandle dialog, std::int32_t width, std::int32_t height);
// WM_DRAWITEM for owner-drawn control `id`: the control's own surface and
// its client rectangle.
bool DrawControl(WindowHandle dialog, std::uint16_t id);
// Types `text` into edit box `id` as the reader's keyboard would, one unit
// after another: to the dialog procedure as WM_CHAR (lParam: the box) for a
// kEditTypedByDialog box, else straight into the box's selection (Backspace,
// 0x08, then removes the selection or the unit before the caret). Pasting is
// the same as typing.
bool TypeIntoEdit(WindowHandle dialog, std::uint16_t id, std::u16string_view text);
// A left-button press at (x, y) of the dialog's client area: WM_LBUTTONDOWN.
bool TapDialog(WindowHandle dialog, std::int32_t x, std::int32_t y);
// Whether EndDialog was called for the dialog, and with what.
std::optional<std::intptr_t> DialogEndResult(WindowHandle dialog);
// The control's kind as the template gave it; nothing for a window that is
// no control.
std::optional<ControlKind> ControlKindOf(WindowHandle control);

// An edit box's text is its control text; SetControlText puts the caret at
// 0 with nothing selected. DialogBaseUnits answers 4 x kDialogUnitX and
// 8 x kDialogUnitY.

// List boxes keep items in insertion order, or for kListSorted in sorted
// place (compared unit by unit with the letters A-Z and a-z folded; an equal
// item goes after the ones present). ListBoxSelectString compares the same
// way; an empty prefix begins every item.

// --- Menus and bars ---------------------------------------------------------
// A command bar spans its parent's client width at the top, the menu bar at
// the bottom; both are as high as the bar height (26 until set), which
// CommandBarHeight answers.
void SetBarHeight(std::int32_t height);
// While set, CreateMenuBar fails (nullptr).
void FailMenuBarCreation(bool fail);

// What was done to a bar.
struct BarRecord {
  WindowKind kind = WindowKind::kCommandBar;
  WindowHandle parent = nullptr;
  std::uint16_t id = 0;      // command bar: its id; menu bar: its resource
  std::uint16_t menuId = 0;  // the menu inserted or the menu bar's menu; 0: none
  std::vector<std::u16string> toolTips;
  std::uint16_t bitmapId = 0;
  int bitmapCount = 0;
  int imageSize = 0;
  std::vector<ToolButton> buttons;  // in order, over every BarAddButtons
  bool closeButton = false;
  bool shown = false;  // the last BarShow
  int showCalls = 0;
};
// nullptr for a window that is no bar. Valid until ResetAll.
const BarRecord* BarOf(WindowHandle bar);
// Every bar made since the last reset, live or not, in order.
std::vector<WindowHandle> Bars();
// Sends the bar's parent WM_COMMAND with `command` when the bar has a button
// or menu item (any popup) with it, as choosing it would; false otherwise.
bool ChooseBarCommand(WindowHandle bar, std::uint16_t command);
// A command bar's menu holds every item of its menu template; a menu bar's
// sub-menu those of one popup. CheckMenuItem and IsMenuItemChecked act on the
// first item with the command.

// Every LoadAccelerators table id, in order; and the active table, if any.
const std::vector<std::uint16_t>& AcceleratorLoads();
std::optional<std::uint16_t> ActiveAcceleratorTable();
// Offers a key to the active accelerator table: when an entry has exactly
// `modifiers` (kAccelControl, kAccelAlt) and `virtualKey`, sends `window`
// WM_COMMAND with its command (notification 1, lParam 0) and returns true.
bool TranslateAccelerator(WindowHandle window, std::uint8_t modifiers, std::uint32_t virtualKey);

// --- User-interface resources -------------------------------------------------
// Test-made templates that take the place of the program's own with the same
// number until ResetAll; nullptr (or an empty table) makes it missing. The
// data must outlive its use.
void InstallDialogTemplate(std::uint16_t id, const DialogTemplate* dialogTemplate);
void InstallMenuTemplate(std::uint16_t id, const MenuTemplate* menu);
void InstallMenuBarTemplate(std::uint16_t id, const MenuBarTemplate* menuBar);
void InstallAcceleratorTable(std::uint16_t id, std::span<const Accelerator> table);

// --- Shell ------------------------------------------------------------------
enum class ShellCallKind {
  kFullScreen,      // ShellFullScreen: window, flags
  kFindTaskbar,     // FindTaskbarWindow
  kShowTaskbar,     // ShowWindow on the taskbar: window = taskbar, flags = command
  kInitDialog,      // ShellInitDialog: window = dialog, flags
  kSettingChange,   // ShellHandleSettingChange: window, wParam, lParam
  kOpenWebAddress,  // OpenWebAddress: window = owner, address
  kSipPreference,   // ShellSipPreference: window, flags = preference
  kShowInputPanel   // ShowInputPanel: flags
};
struct ShellCall {
  ShellCallKind kind;
  WindowHandle window = nullptr;
  std::uint32_t flags = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  std::u16string address;
};
// Every shell call since the last reset, in order.
const std::vector<ShellCall>& ShellCalls();
// Makes FindTaskbarWindow find a taskbar window, visible or not, and returns
// it; ShowWindow on it changes its visibility. Without this call there is
// none.
WindowHandle SimulateTaskbar(bool visible);
// What GetPlatformVersion answers (3.0 until set).
void SetPlatformVersion(PlatformVersion version);

// --- Message loop -----------------------------------------------------------
// Queues a message for RunMessageLoop, which sends the queued messages in
// order (a WM_KEYDOWN is first offered to the active accelerator table
// without modifiers; a message for a window no longer live is dropped) until
// PostQuitMessage has been called, and returns the quit code. It returns at
// once when quit was posted before. When the queue runs dry without quit it
// returns -1 and records that it starved.
void QueueMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
std::size_t QueuedMessages();
bool MessageLoopStarved();

// --- Single instance ----------------------------------------------------------
// Makes FindRunningCopy find a running copy (whatever names it is given),
// whose foreground is `front`. Without this call there is none.
void SimulateRunningCopy(RunningCopyFront front);
// Makes ListenAsRunningCopy fail; with `startedMeanwhile`, because a copy
// whose foreground is that started since FindRunningCopy looked (later finds
// find it).
void FailListen(std::optional<RunningCopyFront> startedMeanwhile = std::nullopt);

enum class InstanceCallKind {
  kFind,          // FindRunningCopy: className, title
  kForget,        // ForgetRunningCopy
  kSendCommand,   // SendCommandToRunningCopy: command
  kBringToFront,  // BringRunningCopyToFront
  kListen,        // ListenAsRunningCopy: className, title
  kSetWindow      // SetRunningCopyWindow: window
};
struct InstanceCall {
  InstanceCallKind kind;
  std::u16string className;
  std::u16string title;
  std::uint16_t command = 0;
  WindowHandle window = nullptr;
};
const std::vector<InstanceCall>& InstanceCalls();

// --- Clipboard ----------------------------------------------------------------
// One in-memory block per format, and the text offered beside them. The
// contents last until ResetAll, which also ends the faults below.

// While set, OpenClipboard fails.
void FailClipboardOpen(bool fail);
// While set, AllocateClipboardBlock gives no block.
void FailClipboardAllocation(bool fail);
// While set, GetClipboardData finds nothing of `format`, whatever it holds.
void HideClipboardFormat(ClipboardFormat format, bool hide);
// What another program's copy leaves: `blocks` become the whole contents,
// exactly these bytes (no terminator added), and `text` the text offered to
// programs that take only text.
using ClipboardBlocks = std::vector<std::pair<ClipboardFormat, std::vector<std::uint8_t>>>;
void ReplaceClipboardContents(ClipboardBlocks blocks, std::u16string text = {});
// The block of `format` as last set; nothing when the clipboard holds none.
std::optional<std::vector<std::uint8_t>> ClipboardContent(ClipboardFormat format);
// The formats the clipboard holds, in increasing order.
std::vector<ClipboardFormat> ClipboardFormats();
// The text offered to other programs with the current contents.
std::u16string OfferedClipboardText();

enum class ClipboardCallKind { kOpen, kEmpty, kGet, kSet, kClose };
struct ClipboardCall {
  ClipboardCallKind kind;
  ClipboardFormat format = 0;  // kGet, kSet
  bool succeeded = false;
};
// Every clipboard call since the last reset, in order.
const std::vector<ClipboardCall>& ClipboardCalls();
bool IsClipboardOpen();

// Everything above back to its start state. Test surfaces and test windows
// stay (their makers destroy them); their recorded calls, counters,
// invalidations and scroll-bar records are cleared. Every other window
// (top-level windows, dialogs, controls, bars, the taskbar) is freed without
// messages; scripts, records, simulations, installed templates and settings
// return to their start.
void ResetAll();

}  // namespace velmora::platform::headless
