// Test windows: a client rectangle, a surface of that size and a vertical
// scroll bar whose settings tests read back.
#include <optional>
#include <set>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/headless/surface_objects.h"
#include "platform/window.h"

namespace velmora::platform {

struct Window {
  Rect client;
  Surface* surface = nullptr;
  std::optional<ScrollBarState> scrollBar;
  long scrollBarSets = 0;
};

namespace {

std::set<Window*> live_windows;

}  // namespace

Surface* GetWindowSurface(WindowHandle window) {
  return window == nullptr ? nullptr : window->surface;
}

// The surface belongs to the window for its whole life.
void ReleaseWindowSurface(WindowHandle, Surface*) {}

void SetVerticalScrollBar(WindowHandle window, const ScrollBarState& state, bool) {
  if (window == nullptr) return;
  window->scrollBar = state;
  ++window->scrollBarSets;
}

namespace headless {

WindowHandle CreateTestWindow(const Rect& client) {
  auto* window =
      new Window{client, NewSurface({client.right - client.left, client.bottom - client.top}),
                 std::nullopt, 0};
  live_windows.insert(window);
  return window;
}

void DestroyTestWindow(WindowHandle window) {
  if (window == nullptr) return;
  live_windows.erase(window);
  DeleteSurface(window->surface);
  delete window;
}

std::optional<ScrollBarState> ScrollBarOf(WindowHandle window) { return window->scrollBar; }

long ScrollBarSets(WindowHandle window) { return window->scrollBarSets; }

void ResetWindows() {
  for (Window* window : live_windows) {
    window->scrollBar.reset();
    window->scrollBarSets = 0;
  }
}

}  // namespace headless
}  // namespace velmora::platform
