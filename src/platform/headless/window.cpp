// The window table: every window the headless platform makes, live or
// destroyed, until ResetAll frees it; test windows, their surfaces and scroll
// bars.
#include <algorithm>
#include <map>
#include <memory>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/headless/surface_objects.h"
#include "platform/headless/window_objects.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

using WindowTable = std::map<const Window*, std::unique_ptr<Window>>;

// Destroyed windows stay here until ResetAll, so that a stale handle never
// points at freed memory or at a newer window. The table is never destroyed:
// windows left at exit stay reachable, with their surfaces, and no static
// destructor runs into another part's destroyed state.
WindowTable& windows = *new WindowTable;
long windows_made = 0;

void FreeWindow(const Window* window) {
  auto found = windows.find(window);
  if (found == windows.end()) return;
  headless::DeleteSurface(found->second->surface);
  windows.erase(found);
}

}  // namespace

Surface* GetWindowSurface(WindowHandle window) {
  if (!headless::IsLive(window)) return nullptr;
  ++window->heldSurfaces;
  return window->surface;
}

// The surface belongs to the window for its whole life; only the count of
// surfaces held changes.
void ReleaseWindowSurface(WindowHandle window, Surface*) {
  if (headless::IsLive(window)) --window->heldSurfaces;
}

void SetVerticalScrollBar(WindowHandle window, const ScrollBarState& state, bool) {
  if (!headless::IsLive(window)) return;
  window->scrollBar = state;
  ++window->scrollBarSets;
}

namespace headless {

Window* NewWindow(WindowKind kind, Window* parent, const Rect& place, Size client) {
  auto owned = std::make_unique<Window>();
  Window* window = owned.get();
  window->kind = kind;
  window->serial = ++windows_made;
  window->parent = parent;
  window->place = place;
  window->client = client;
  window->surface = NewSurface(client);
  windows.emplace(window, std::move(owned));
  return window;
}

bool IsKnown(const Window* window) { return windows.contains(window); }

bool IsLive(const Window* window) { return IsKnown(window) && window->live; }

void KillWindow(Window* window) {
  if (!IsLive(window)) return;
  window->live = false;
  window->running = false;
  for (auto& [key, other] : windows) {
    if (other->parent == window) KillWindow(other.get());
  }
}

WindowHandle CreateTestWindow(const Rect& client) {
  Window* window = NewWindow(WindowKind::kTest, nullptr, client,
                             {client.right - client.left, client.bottom - client.top});
  window->visible = true;
  return window;
}

void DestroyTestWindow(WindowHandle window) {
  if (IsKnown(window) && window->kind == WindowKind::kTest) FreeWindow(window);
}

std::optional<ScrollBarState> ScrollBarOf(WindowHandle window) {
  return IsKnown(window) ? window->scrollBar : std::nullopt;
}

long ScrollBarSets(WindowHandle window) { return IsKnown(window) ? window->scrollBarSets : 0; }

std::optional<WindowInfo> DescribeWindow(WindowHandle window) {
  if (!IsKnown(window)) return std::nullopt;
  return WindowInfo{window->kind,  window->live,    window->className, window->text,
                    window->style, window->exStyle, window->id,        window->parent,
                    window->place, window->visible};
}

bool IsLiveWindow(WindowHandle window) { return IsLive(window); }

std::vector<Window*> WindowsOfKind(WindowKind kind, bool liveOnly) {
  std::vector<Window*> found;
  for (auto& [key, window] : windows) {
    if (window->kind == kind && (window->live || !liveOnly)) found.push_back(window.get());
  }
  // The map orders by address; the serial gives the order of making.
  std::sort(found.begin(), found.end(),
            [](const Window* a, const Window* b) { return a->serial < b->serial; });
  return found;
}

std::vector<WindowHandle> TopLevelWindows() { return WindowsOfKind(WindowKind::kTopLevel, true); }

void ResetWindows() {
  std::vector<const Window*> doomed;
  for (auto& [key, window] : windows) {
    if (window->kind == WindowKind::kTest) {
      window->scrollBar.reset();
      window->scrollBarSets = 0;
      window->invalidations.clear();
      window->needsPaint = false;
      window->eraseNeeded = false;
      window->heldSurfaces = 0;
    } else {
      doomed.push_back(key);
    }
  }
  for (const Window* window : doomed) FreeWindow(window);
}

}  // namespace headless
}  // namespace velmora::platform
