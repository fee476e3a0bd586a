// The state of dialog controls: text, font, check marks and list boxes.
// Every operation ignores a null, destroyed or unsuitable control.
#include <algorithm>

#include "platform/common/control_rules.h"
#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/headless/window_objects.h"

namespace velmora::platform {
namespace {

bool IsControl(const Window* control, ControlKind kind) {
  return headless::IsLive(control) && control->kind == headless::WindowKind::kControl &&
         control->controlKind == kind;
}

bool IsEdit(const Window* control) { return IsControl(control, ControlKind::kEdit); }

// Positions beyond the text (or kEditSelectToEnd) reach its end.
std::int32_t Clamped(std::int32_t position, const Window& edit) {
  const auto length = static_cast<std::int32_t>(edit.text.size());
  if (position == kEditSelectToEnd || position > length) return length;
  return std::max(position, 0);
}

}  // namespace

void SetControlText(WindowHandle control, std::u16string_view text) {
  if (!headless::IsLive(control)) return;
  control->text = std::u16string(text);
  control->editSelection = {};
}

void SetEditLimit(WindowHandle control, std::int32_t units) {
  if (IsEdit(control)) control->editLimit = units;
}

void ReplaceEditSelection(WindowHandle control, std::u16string_view text) {
  if (!IsEdit(control)) return;
  EditSelection& selection = control->editSelection;
  const auto start = static_cast<std::size_t>(std::min(selection.start, selection.end));
  const auto end = static_cast<std::size_t>(std::max(selection.start, selection.end));
  const std::size_t kept = control->text.size() - (end - start);
  const std::size_t room =
      control->editLimit > static_cast<std::int32_t>(kept) ? control->editLimit - kept : 0;
  const std::u16string_view inserted = text.substr(0, std::min(room, text.size()));
  control->text.replace(start, end - start, inserted);
  selection.start = selection.end = static_cast<std::int32_t>(start + inserted.size());
}

EditSelection GetEditSelection(WindowHandle control) {
  if (!IsEdit(control)) return {};
  const EditSelection& selection = control->editSelection;
  return {std::min(selection.start, selection.end), std::max(selection.start, selection.end)};
}

void SetEditSelection(WindowHandle control, std::int32_t start, std::int32_t end) {
  if (!IsEdit(control)) return;
  control->editSelection = {Clamped(start, *control), Clamped(end, *control)};
}

std::u16string GetControlText(WindowHandle control) {
  return headless::IsLive(control) ? control->text : std::u16string();
}

Font* GetControlFont(WindowHandle control) {
  return headless::IsLive(control) ? control->font : nullptr;
}

void SetControlFont(WindowHandle control, Font* font, bool) {
  if (headless::IsLive(control)) control->font = font;
}

void SetButtonCheck(WindowHandle control, bool checked) {
  if (IsControl(control, ControlKind::kRadioButton)) control->checked = checked;
}

bool IsButtonChecked(WindowHandle control) {
  return IsControl(control, ControlKind::kRadioButton) && control->checked;
}

void ListBoxReset(WindowHandle control) {
  if (!IsControl(control, ControlKind::kListBox)) return;
  control->items.clear();
  control->selection = kNoSelection;
}

int ListBoxAddString(WindowHandle control, std::u16string_view text) {
  if (!IsControl(control, ControlKind::kListBox)) return kNoSelection;
  auto& items = control->items;
  const int count = static_cast<int>(items.size());
  const int index = (control->style & kListSorted) != 0
                        ? rules::SortedPlace(
                              count, [&](int i) { return items[i]; }, text)
                        : count;
  items.insert(items.begin() + index, std::u16string(text));
  // The selection stays on its item.
  if (control->selection >= index) ++control->selection;
  return index;
}

int ListBoxSelectString(WindowHandle control, std::u16string_view prefix) {
  if (!IsControl(control, ControlKind::kListBox)) return kNoSelection;
  const auto& items = control->items;
  const int found = rules::FirstItemBeginningWith(
      static_cast<int>(items.size()), [&](int i) { return items[i]; }, prefix);
  if (found == kNoSelection) return kNoSelection;
  control->selection = found;
  return found;
}

int ListBoxCurrentSelection(WindowHandle control) {
  return IsControl(control, ControlKind::kListBox) ? control->selection : kNoSelection;
}

std::u16string ListBoxText(WindowHandle control, int index) {
  if (!IsControl(control, ControlKind::kListBox) || index < 0 ||
      index >= static_cast<int>(control->items.size())) {
    return {};
  }
  return control->items[static_cast<std::size_t>(index)];
}

int ListBoxCount(WindowHandle control) {
  return IsControl(control, ControlKind::kListBox) ? static_cast<int>(control->items.size()) : 0;
}

}  // namespace velmora::platform
