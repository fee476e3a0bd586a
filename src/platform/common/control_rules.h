// The rules that every platform realisation's controls, accelerators and
// message boxes follow, written once so that the backends cannot differ.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/dialog.h"
#include "platform/menu.h"

namespace velmora::platform::rules {

// --- List boxes --------------------------------------------------------------
// Items compare unit by unit, with the letters A-Z read as a-z.

// Whether `a` sorts before `b`.
bool ListItemLess(std::u16string_view a, std::u16string_view b);

// Whether `item` begins with `prefix`.
bool ListItemBeginsWith(std::u16string_view item, std::u16string_view prefix);

// Where a sorted list of `count` items, item i being `itemAt(i)`, inserts
// `text`: after every item that does not sort after it.
template <typename ItemAt>
int SortedPlace(int count, ItemAt itemAt, std::u16string_view text) {
  int low = 0;
  int high = count;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (ListItemLess(text, itemAt(middle))) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

// The first of `count` items that begins with `prefix`, or kNoSelection.
template <typename ItemAt>
int FirstItemBeginningWith(int count, ItemAt itemAt, std::u16string_view prefix) {
  for (int i = 0; i < count; ++i) {
    if (ListItemBeginsWith(itemAt(i), prefix)) return i;
  }
  return kNoSelection;
}

// --- Radio buttons -------------------------------------------------------------

// The group number of each control of a template: a control with
// kControlGroup starts a new group, which runs up to the next such control.
// Choosing a radio button unchecks the others of its group.
std::vector<int> ControlGroups(std::span<const ControlTemplate> controls);

// --- Accelerators --------------------------------------------------------------

// The entry of `table` for `virtualKey` with exactly `modifiers`, or nullptr.
const Accelerator* FindAccelerator(std::span<const Accelerator> table, std::uint32_t virtualKey,
                                   std::uint8_t modifiers);

// --- Message boxes ---------------------------------------------------------------

enum class BoxButtons { kOk, kYesNoCancel };
enum class BoxIcon { kNone, kStop, kWarning };

struct BoxStyle {
  BoxButtons buttons = BoxButtons::kOk;
  BoxIcon icon = BoxIcon::kNone;
};

// The buttons and icon a message box style word asks for; what is not known
// shows as OK without an icon.
BoxStyle DecodeBoxStyle(std::uint32_t style);

// The answer of a box that nobody sees (no screen): its first button.
int FirstButton(std::uint32_t style);

}  // namespace velmora::platform::rules
