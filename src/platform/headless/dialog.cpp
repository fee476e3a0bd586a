// Modal dialogs run by test scripts: the dialog is built from its template,
// initialised, handed to the script queued for its template, cancelled when
// the script leaves it open, and destroyed. A quit posted before the run
// ends it without its script.
#include <deque>
#include <map>

#include "platform/common/control_rules.h"
#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/headless/window_objects.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

std::map<std::uint16_t, std::deque<headless::DialogScript>> scripts;
std::vector<headless::DialogRun> runs;

Rect ToPixels(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  using headless::kDialogUnitX;
  using headless::kDialogUnitY;
  return {x * kDialogUnitX, y * kDialogUnitY, (x + width) * kDialogUnitX,
          (y + height) * kDialogUnitY};
}

Window* MakeDialog(const DialogTemplate& dialogTemplate, std::uint16_t templateId, Window* owner,
                   DialogProc procedure) {
  const Rect ownerPlace = headless::IsLive(owner) ? GetWindowRect(owner) : Rect{};
  const Rect size = ToPixels(0, 0, dialogTemplate.width, dialogTemplate.height);
  Window* dialog = headless::NewWindow(
      headless::WindowKind::kDialog, owner,
      {ownerPlace.left, ownerPlace.top, ownerPlace.left + size.right, ownerPlace.top + size.bottom},
      {size.right, size.bottom});
  dialog->text = std::u16string(dialogTemplate.caption);
  dialog->style = dialogTemplate.style;
  dialog->exStyle = dialogTemplate.exStyle;
  dialog->id = templateId;
  dialog->dialogProcedure = procedure;
  dialog->visible = (dialogTemplate.style & WS_VISIBLE) != 0;
  InvalidateRect(dialog, nullptr, true);

  const std::vector<int> groups = rules::ControlGroups(dialogTemplate.controls);
  for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
    const ControlTemplate& item = dialogTemplate.controls[i];
    const Rect place = ToPixels(item.x, item.y, item.width, item.height);
    Window* control = headless::NewWindow(headless::WindowKind::kControl, dialog, place,
                                          {place.right - place.left, place.bottom - place.top});
    control->controlKind = item.kind;
    control->id = item.id;
    control->style = item.style;
    control->group = groups[i];
    control->text = std::u16string(item.text);
    control->visible = true;
    dialog->controls.push_back(control);
  }
  return dialog;
}

bool Running(const Window* dialog) {
  return headless::IsLive(dialog) && dialog->kind == headless::WindowKind::kDialog &&
         dialog->running && !dialog->endResult;
}

// The control `id` of a running dialog, or nullptr.
Window* RunningControl(Window* dialog, std::uint16_t id) {
  return Running(dialog) ? GetDlgItem(dialog, id) : nullptr;
}

void FocusFirstTabStop(const Window& dialog) {
  for (Window* control : dialog.controls) {
    if ((control->style & kControlTabStop) != 0) {
      SetFocus(control);
      return;
    }
  }
}

void RunScript(Window* dialog) {
  auto queue = scripts.find(dialog->id);
  if (queue == scripts.end() || queue->second.empty()) return;
  headless::DialogScript script = std::move(queue->second.front());
  queue->second.pop_front();
  script(dialog);
}

// Checks radio button `clicked` and unchecks the other radio buttons of its
// group.
void CheckInGroup(const Window& dialog, const Window* clicked) {
  for (Window* control : dialog.controls) {
    if (control->controlKind == ControlKind::kRadioButton && control->group == clicked->group) {
      control->checked = control == clicked;
    }
  }
}

}  // namespace

std::intptr_t DialogBoxParam(std::uint16_t templateId, WindowHandle owner, DialogProc procedure,
                             LParam parameter) {
  const DialogTemplate* dialogTemplate = headless::FindDialog(templateId);
  if (dialogTemplate == nullptr || procedure == nullptr) {
    runs.push_back({templateId, owner, parameter, -1, nullptr});
    return -1;
  }
  Window* dialog = MakeDialog(*dialogTemplate, templateId, owner, procedure);
  dialog->running = true;
  if (headless::Deliver(dialog, WM_INITDIALOG, 0, parameter) != 0) FocusFirstTabStop(*dialog);
  if (Running(dialog)) headless::SendSizeIfChanged(dialog);
  // A quit posted before the run ends it at once, as it ends every loop.
  const bool quitPosted = headless::PostedQuit().has_value();
  if (Running(dialog) && !quitPosted) RunScript(dialog);
  if (Running(dialog) && !quitPosted) {
    headless::Deliver(dialog, WM_COMMAND, MakeWParam(IDCANCEL, BN_CLICKED), 0);
  }
  const std::intptr_t result = dialog->endResult.value_or(IDCANCEL);
  dialog->running = false;
  DestroyWindow(dialog);
  runs.push_back({templateId, owner, parameter, result, dialog});
  return result;
}

void EndDialog(WindowHandle dialog, std::intptr_t result) {
  if (headless::IsLive(dialog) && dialog->kind == headless::WindowKind::kDialog &&
      dialog->running) {
    dialog->endResult = result;
  }
}

WindowHandle GetDlgItem(WindowHandle dialog, std::uint16_t id) {
  if (!headless::IsLive(dialog)) return nullptr;
  for (Window* control : dialog->controls) {
    if (control->live && control->id == id) return control;
  }
  return nullptr;
}

WindowHandle GetParent(WindowHandle window) {
  if (!headless::IsLive(window)) return nullptr;
  switch (window->kind) {
    case headless::WindowKind::kDialog:
    case headless::WindowKind::kControl:
    case headless::WindowKind::kCommandBar:
    case headless::WindowKind::kMenuBar:
      return window->parent;
    default:
      return nullptr;
  }
}

Size DialogBaseUnits(WindowHandle dialog) {
  if (!headless::IsLive(dialog) || dialog->kind != headless::WindowKind::kDialog) return {};
  return {4 * headless::kDialogUnitX, 8 * headless::kDialogUnitY};
}

Rect MapDialogRect(WindowHandle, const Rect& dialogUnits) {
  return ToPixels(dialogUnits.left, dialogUnits.top, dialogUnits.right - dialogUnits.left,
                  dialogUnits.bottom - dialogUnits.top);
}

namespace headless {

void ScriptDialog(std::uint16_t templateId, DialogScript script) {
  scripts[templateId].push_back(std::move(script));
}

std::size_t PendingDialogScripts() {
  std::size_t pending = 0;
  for (const auto& [id, queue] : scripts) pending += queue.size();
  return pending;
}

const std::vector<DialogRun>& DialogRuns() { return runs; }

bool ClickControl(WindowHandle dialog, std::uint16_t id) {
  Window* control = RunningControl(dialog, id);
  if (control == nullptr) return false;
  if (control->controlKind == ControlKind::kRadioButton) CheckInGroup(*dialog, control);
  Deliver(dialog, WM_COMMAND, MakeWParam(id, BN_CLICKED), reinterpret_cast<LParam>(control));
  return true;
}

bool SelectListItem(WindowHandle dialog, std::uint16_t id, int index) {
  Window* control = RunningControl(dialog, id);
  if (control == nullptr || control->controlKind != ControlKind::kListBox || index < kNoSelection ||
      index >= static_cast<int>(control->items.size())) {
    return false;
  }
  control->selection = index;
  Deliver(dialog, WM_COMMAND, MakeWParam(id, LBN_SELCHANGE), reinterpret_cast<LParam>(control));
  return true;
}

std::intptr_t SendDialogCommand(WindowHandle dialog, std::uint16_t command) {
  if (!Running(dialog)) return 0;
  return Deliver(dialog, WM_COMMAND, MakeWParam(command, BN_CLICKED), 0);
}

void ResizeDialog(WindowHandle dialog, std::int32_t width, std::int32_t height) {
  if (!Running(dialog)) return;
  PlaceWindow(dialog, {dialog->place.left, dialog->place.top, dialog->place.left + width,
                       dialog->place.top + height});
}

bool DrawControl(WindowHandle dialog, std::uint16_t id) {
  Window* control = RunningControl(dialog, id);
  if (control == nullptr || control->controlKind != ControlKind::kOwnerDrawButton) return false;
  DrawItem item{id, control, control->surface, GetClientRect(control)};
  Deliver(dialog, WM_DRAWITEM, id, reinterpret_cast<LParam>(&item));
  return true;
}

bool TypeIntoEdit(WindowHandle dialog, std::uint16_t id, std::u16string_view text) {
  Window* control = RunningControl(dialog, id);
  if (control == nullptr || control->controlKind != ControlKind::kEdit) return false;
  constexpr char16_t kBackspace = 0x08;
  for (char16_t unit : text) {
    if ((control->style & kEditTypedByDialog) != 0) {
      Deliver(dialog, WM_CHAR, unit, reinterpret_cast<LParam>(control));
    } else if (unit != kBackspace) {
      ReplaceEditSelection(control, std::u16string_view(&unit, 1));
    } else {
      const EditSelection selection = GetEditSelection(control);
      if (selection.start == selection.end && selection.start > 0) {
        SetEditSelection(control, selection.start - 1, selection.end);
      }
      ReplaceEditSelection(control, u"");
    }
    if (!Running(dialog)) break;
  }
  return true;
}

bool TapDialog(WindowHandle dialog, std::int32_t x, std::int32_t y) {
  if (!Running(dialog)) return false;
  Deliver(dialog, WM_LBUTTONDOWN, 1,
          MakeLParam(static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)));
  return true;
}

std::optional<std::intptr_t> DialogEndResult(WindowHandle dialog) {
  return IsKnown(dialog) ? dialog->endResult : std::nullopt;
}

std::optional<ControlKind> ControlKindOf(WindowHandle control) {
  if (!IsKnown(control) || control->kind != WindowKind::kControl) return std::nullopt;
  return control->controlKind;
}

void ResetDialogs() {
  scripts.clear();
  runs.clear();
}

}  // namespace headless
}  // namespace velmora::platform
