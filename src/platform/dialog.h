// Modal dialogs built from templates, and the controls inside them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window_handle.h"

namespace velmora::platform {

// --- Templates ----------------------------------------------------------------

enum class ControlKind {
  kStaticText,    // a label
  kStaticBitmap,  // a bitmap resource
  kEdit,          // an edit box (multi-line with kEditMultiLine)
  kListBox,
  kRadioButton,     // an automatic radio button
  kOwnerDrawButton  // drawn by the dialog on WM_DRAWITEM
};

// Control style bits the templates use.
inline constexpr std::uint32_t kControlNoPrefix = 0x0080;  // static: no '&' mnemonics
inline constexpr std::uint32_t kStaticCentre = 0x0001;     // static: text centred
inline constexpr std::uint32_t kEditMultiLine = 0x0004;
inline constexpr std::uint32_t kEditRightAlign = 0x0002;
inline constexpr std::uint32_t kEditAutoHScroll = 0x0080;
// The box inserts no typed text itself: each character typed, pasted or
// composed in it reaches the dialog procedure as WM_CHAR, in order, and so
// does Backspace (0x08). Other editing keys keep their own handling.
inline constexpr std::uint32_t kEditTypedByDialog = 0x4000;
inline constexpr std::uint32_t kListSorted = 0x0002;
inline constexpr std::uint32_t kListNotify = 0x0001;
inline constexpr std::uint32_t kControlVScroll = 0x00200000;
inline constexpr std::uint32_t kControlBorder = 0x00800000;
inline constexpr std::uint32_t kControlGroup = 0x00020000;
inline constexpr std::uint32_t kControlTabStop = 0x00010000;

// Dialog styles and extended styles the templates use.
inline constexpr std::uint32_t kDialogStyleStandard = 0x90C80840;  // popup, visible,
                                                                   // caption, system menu,
                                                                   // centred, own font
inline constexpr std::uint32_t WS_EX_CAPTIONOKBTN = 0x80000000;

inline constexpr std::uint16_t kNoControlId = 0xFFFF;  // -1: a control no one addresses

struct ControlTemplate {
  ControlKind kind;
  std::uint16_t id;
  std::int16_t x, y, width, height;  // dialog units
  std::uint32_t style;
  std::u16string_view text;  // caption; for kStaticBitmap empty
  std::uint16_t bitmapId;    // kStaticBitmap: bitmap resource
};

struct DialogTemplate {
  std::uint32_t style;
  std::uint32_t exStyle;
  std::int16_t width, height;  // dialog units
  std::u16string_view caption;
  std::u16string_view fontName;
  std::int16_t fontPoints;
  std::span<const ControlTemplate> controls;
};

// --- Running a dialog -----------------------------------------------------

// A dialog procedure: returns non-zero when it handled the message. For
// WM_INITDIALOG, zero means "I set the focus myself".
using DialogProc = std::intptr_t (*)(WindowHandle dialog, std::uint32_t message, WParam wParam,
                                     LParam lParam);

// Builds dialog template `templateId` (a dialog resource) owned by `owner`,
// sends WM_INITDIALOG with `parameter`, and runs it modally until EndDialog.
// The OK button in the caption sends WM_COMMAND IDOK, Escape and the close
// button IDCANCEL; the dialog receives WM_SIZE with its client size after
// WM_INITDIALOG and WM_DESTROY when it ends. Returns EndDialog's result, or
// -1 when the template is missing or the dialog cannot be made.
std::intptr_t DialogBoxParam(std::uint16_t templateId, WindowHandle owner, DialogProc procedure,
                             LParam parameter);

// Ends the modal run of `dialog` with `result` once the current message has
// been handled.
void EndDialog(WindowHandle dialog, std::intptr_t result);

// The control with `id`, or nullptr when the dialog has none. Every control
// operation below ignores a null control (a query then reads empty or off).
WindowHandle GetDlgItem(WindowHandle dialog, std::uint16_t id);

// The dialog's parent (owner) window; nullptr for a top-level window.
WindowHandle GetParent(WindowHandle window);

// Dialog units to pixels for this dialog's font.
Rect MapDialogRect(WindowHandle dialog, const Rect& dialogUnits);
// The dialog's base units: four horizontal and eight vertical dialog units
// in pixels (width: horizontal, height: vertical); zero for no dialog.
Size DialogBaseUnits(WindowHandle dialog);

// --- Controls -------------------------------------------------------------

void SetControlText(WindowHandle control, std::u16string_view text);
std::u16string GetControlText(WindowHandle control);
// The font a control draws with: the one last given to it, else the dialog's
// (owned by the dialog). Giving nullptr returns it to the dialog's font.
Font* GetControlFont(WindowHandle control);
void SetControlFont(WindowHandle control, Font* font, bool redraw);

// Edit boxes. Positions count code units from the left end of the text; the
// caret is the selection's end. Every operation ignores a control that is no
// edit box (a selection reads empty at 0).
struct EditSelection {
  std::int32_t start = 0;
  std::int32_t end = 0;
};
// An end of kEditSelectToEnd reaches the end of the text.
inline constexpr std::int32_t kEditSelectToEnd = -1;
// At most `units` code units can be held once inserted through
// ReplaceEditSelection or typed (setting the text is not limited).
void SetEditLimit(WindowHandle control, std::int32_t units);
// Replaces the selection with as much of `text` as the limit lets in, as one
// edit the reader can undo; the caret follows what was inserted.
void ReplaceEditSelection(WindowHandle control, std::u16string_view text);
EditSelection GetEditSelection(WindowHandle control);
// Selects [start, end) (both clamped to the text); start == end sets the caret.
void SetEditSelection(WindowHandle control, std::int32_t start, std::int32_t end);

// Buttons.
void SetButtonCheck(WindowHandle control, bool checked);
bool IsButtonChecked(WindowHandle control);

// List boxes. Indices count from 0; kNoSelection when none.
inline constexpr int kNoSelection = -1;
void ListBoxReset(WindowHandle control);
// Adds an item (in sorted place for a sorted list); returns its index.
int ListBoxAddString(WindowHandle control, std::u16string_view text);
// Selects the first item, from the top, that begins with `prefix`
// (case ignored); returns its index or kNoSelection (selection unchanged).
int ListBoxSelectString(WindowHandle control, std::u16string_view prefix);
int ListBoxCurrentSelection(WindowHandle control);
std::u16string ListBoxText(WindowHandle control, int index);
int ListBoxCount(WindowHandle control);

// List box notification codes (high word of WM_COMMAND's wParam).
inline constexpr std::uint16_t LBN_SELCHANGE = 1;

// What WM_DRAWITEM carries for an owner-drawn button.
struct DrawItem {
  std::uint16_t controlId = 0;
  WindowHandle control = nullptr;
  Surface* surface = nullptr;
  Rect item;
};

}  // namespace velmora::platform
