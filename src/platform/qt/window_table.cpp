// The table of live windows and the delivery of messages to their procedures.
#include <QDialog>

#include <algorithm>
#include <memory>
#include <unordered_set>

#include "platform/qt/window_objects.h"

namespace velmora::platform {
namespace {

std::unordered_set<const Window*> live_windows;
// Live top-level windows in the order they were made.
std::vector<Window*> top_levels;

// Every record made, for the life of the process: a stale handle never
// meets a record reused for another window. Never destroyed, so nothing of
// the toolkit is released after the application has gone.
std::vector<std::unique_ptr<Window>>& Records() {
  static auto* records = new std::vector<std::unique_ptr<Window>>;
  return *records;
}

}  // namespace

Window* NewWindow(WindowKind kind, Window* parent) {
  Window* window = Records().emplace_back(std::make_unique<Window>()).get();
  window->kind = kind;
  window->parent = parent;
  switch (kind) {
    case WindowKind::kTopLevel:
      window->topLevel = new TopLevelState;
      top_levels.push_back(window);
      break;
    case WindowKind::kDialog:
      window->dialog = new DialogState;
      break;
    case WindowKind::kControl:
      window->control = new ControlState;
      break;
    case WindowKind::kBar:
      window->bar = new BarState;
      break;
  }
  live_windows.insert(window);
  return window;
}

bool IsLive(const Window* window) { return window != nullptr && live_windows.contains(window); }

void RetireWindow(Window* window) {
  live_windows.erase(window);
  std::erase(top_levels, window);
}

Window* FirstTopLevelWindow() { return top_levels.empty() ? nullptr : top_levels.front(); }

LResult Deliver(Window* window, std::uint32_t message, WParam wParam, LParam lParam) {
  if (!IsLive(window)) return 0;
  if (window->kind == WindowKind::kTopLevel) {
    WindowProc procedure = window->topLevel->procedure;
    return procedure == nullptr ? 0 : procedure(window, message, wParam, lParam);
  }
  if (window->kind != WindowKind::kDialog || window->dialog->procedure == nullptr) return 0;
  DialogState& state = *window->dialog;
  ++state.depth;
  LResult result = state.procedure(window, message, wParam, lParam);
  --state.depth;
  if (result == 0) result = DefDialogHandling(window, message, wParam);
  // EndDialog takes effect once the message that asked for it is handled.
  if (state.depth == 0 && state.ended && state.running) {
    static_cast<QDialog*>(window->widget)->done(0);
  }
  return result;
}

LResult DefDialogHandling(Window* dialog, std::uint32_t message, WParam wParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      auto* surface = reinterpret_cast<Surface*>(wParam);
      if (surface == nullptr) return 0;
      FillRect(surface, GetClientRect(dialog), GetStockBrush(StockBrush::kWhite));
      return 1;
    }
    case WM_PAINT:
      EndPaint(dialog, BeginPaint(dialog));
      return 0;
    default:
      return 0;
  }
}

}  // namespace velmora::platform
