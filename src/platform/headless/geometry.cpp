// Window geometry, visibility, painting, focus and the system metrics.
#include <algorithm>
#include <map>
#include <set>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/headless/surface_objects.h"
#include "platform/headless/window_objects.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

constexpr std::int32_t kStartScrollBarWidth = 13;
constexpr std::int32_t kStartEdge = 2;

std::map<int, std::int32_t> start_metrics() {
  return {{SM_CXVSCROLL, kStartScrollBarWidth}, {SM_CXEDGE, kStartEdge}, {SM_CYEDGE, kStartEdge}};
}

std::map<int, std::int32_t> metrics = start_metrics();
Window* focused = nullptr;
std::set<std::uint32_t> held_keys;

Rect WholeClient(const Window& window) { return {0, 0, window.client.width, window.client.height}; }

bool IsChild(const Window& window) {
  return window.kind == headless::WindowKind::kControl ||
         window.kind == headless::WindowKind::kCommandBar ||
         window.kind == headless::WindowKind::kMenuBar;
}

}  // namespace

Rect GetClientRect(WindowHandle window) {
  return headless::IsLive(window) ? WholeClient(*window) : Rect{};
}

Rect GetWindowRect(WindowHandle window) {
  return headless::IsLive(window) ? headless::ScreenPlace(*window) : Rect{};
}

void MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, bool repaint) {
  if (!headless::IsLive(window)) return;
  headless::PlaceWindow(window, {x, y, x + width, y + height});
  if (repaint) InvalidateRect(window, nullptr, true);
}

void SetWindowPosition(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height, std::uint32_t flags) {
  if (!headless::IsLive(window)) return;
  if ((flags & SWP_NOMOVE) != 0) {
    x = window->place.left;
    y = window->place.top;
  }
  headless::PlaceWindow(window, {x, y, x + width, y + height});
  if ((flags & SWP_SHOWWINDOW) != 0) window->visible = true;
}

void ShowWindow(WindowHandle window, int command) {
  if (!headless::IsLive(window)) return;
  if (window->kind == headless::WindowKind::kTaskbar) headless::RecordTaskbarShow(window, command);
  window->visible = command != SW_HIDE;
}

void UpdateWindow(WindowHandle window) { headless::DeliverPaint(window); }

bool IsWindowVisible(WindowHandle window) { return headless::IsLive(window) && window->visible; }

void InvalidateRect(WindowHandle window, const Rect* rect, bool erase) {
  if (!headless::IsLive(window)) return;
  window->invalidations.push_back({rect != nullptr ? *rect : WholeClient(*window), erase});
  window->needsPaint = true;
  window->eraseNeeded = window->eraseNeeded || erase;
}

Surface* BeginPaint(WindowHandle window) {
  return headless::IsLive(window) ? window->surface : nullptr;
}

void EndPaint(WindowHandle window, Surface*) {
  if (!headless::IsLive(window)) return;
  window->needsPaint = false;
  window->eraseNeeded = false;
}

void SetFocus(WindowHandle window) { focused = headless::IsLive(window) ? window : nullptr; }

bool IsKeyHeld(std::uint32_t virtualKey) { return held_keys.contains(virtualKey); }

std::int32_t GetSystemMetric(int index) {
  auto found = metrics.find(index);
  return found == metrics.end() ? 0 : found->second;
}

namespace headless {

std::int32_t ScrollBarWidth(const Window& window) {
  return window.kind == WindowKind::kTopLevel && (window.style & WS_VSCROLL) != 0
             ? GetSystemMetric(SM_CXVSCROLL)
             : 0;
}

Rect ScreenPlace(const Window& window) {
  if (!IsChild(window) || !IsKnown(window.parent)) return window.place;
  const Rect origin = ScreenPlace(*window.parent);
  return {origin.left + window.place.left, origin.top + window.place.top,
          origin.left + window.place.right, origin.top + window.place.bottom};
}

void PlaceWindow(Window* window, const Rect& place) {
  window->place = place;
  const Size client{std::max(0, place.right - place.left - ScrollBarWidth(*window)),
                    std::max(0, place.bottom - place.top)};
  const bool resized =
      client.width != window->client.width || client.height != window->client.height;
  window->client = client;
  window->surface->size = client;
  if (resized && (window->classStyle & (CS_HREDRAW | CS_VREDRAW)) != 0) {
    InvalidateRect(window, nullptr, true);
  }
  SendSizeIfChanged(window);
}

void SendSizeIfChanged(Window* window) {
  const Size client = window->client;
  if (window->sizeSent && window->sizeSent->width == client.width &&
      window->sizeSent->height == client.height) {
    return;
  }
  window->sizeSent = client;
  Deliver(window, WM_SIZE, 0,
          MakeLParam(static_cast<std::uint16_t>(client.width),
                     static_cast<std::uint16_t>(client.height)));
}

bool DeliverPaint(WindowHandle window) {
  if (!IsLive(window) || !window->needsPaint) return false;
  // Marks made during WM_ERASEBKGND belong to this painting; marks made
  // during WM_PAINT wait for the next.
  if (window->eraseNeeded) {
    window->eraseNeeded = false;
    Deliver(window, WM_ERASEBKGND, reinterpret_cast<WParam>(window->surface), 0);
  }
  window->needsPaint = false;
  window->eraseNeeded = false;
  Deliver(window, WM_PAINT, 0, 0);
  return true;
}

bool NeedsPaint(WindowHandle window) { return IsLive(window) && window->needsPaint; }

const std::vector<Invalidation>& Invalidations(WindowHandle window) {
  static const std::vector<Invalidation> none;
  return IsKnown(window) ? window->invalidations : none;
}

long HeldSurfaces(WindowHandle window) { return IsKnown(window) ? window->heldSurfaces : 0; }

WindowHandle FocusedWindow() { return IsLive(focused) ? focused : nullptr; }

void SetSystemMetric(int index, std::int32_t value) { metrics[index] = value; }

void HoldKeys(std::initializer_list<std::uint32_t> virtualKeys) { held_keys = virtualKeys; }

void ResetGeometry() {
  metrics = start_metrics();
  focused = nullptr;
  held_keys.clear();
}

}  // namespace headless
}  // namespace velmora::platform
