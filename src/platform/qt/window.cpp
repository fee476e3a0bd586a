// Top-level windows: classes, creation and destruction, the default
// handling, geometry, painting, focus and system metrics.
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/qt/client_widget.h"
#include "platform/qt/resource_images.h"
#include "platform/qt/window_objects.h"
#include "platform/resources.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

struct ClassEntry {
  std::u16string name;
  WindowProc procedure = nullptr;
  std::uint16_t iconId = 0;
};

std::vector<ClassEntry> classes;

// A window of platform-chosen size is a portrait page: two thirds as wide as
// high, most of the screen's height, within the screen.
constexpr int kDefaultHeightPercent = 80;
constexpr int kPageWidthPart = 2;
constexpr int kPageHeightPart = 3;
constexpr int kMinimumWidth = 240;
constexpr int kMinimumHeight = 320;
constexpr QRect kScreenWithoutDisplay(0, 0, 1024, 768);
constexpr std::int32_t kEdgeSize = 2;
// WM_CREATE's answer that makes creation fail.
constexpr LResult kCreationRefused = -1;

const ClassEntry* FindClass(std::u16string_view name) {
  for (const ClassEntry& entry : classes) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

QIcon ClassIcon(std::uint16_t iconId) {
  if (iconId == 0) return {};
  const QImage image = ResourceImage(ResourceType::kIcon, iconId, ImageBackground::kTransparent);
  return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QRect InitialGeometry(const WindowCreation& creation) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : kScreenWithoutDisplay;
  int height = std::max(available.height() * kDefaultHeightPercent / 100, kMinimumHeight);
  int width = std::max(height * kPageWidthPart / kPageHeightPart, kMinimumWidth);
  width = std::min(width, available.width());
  height = std::min(height, available.height());
  if (creation.width != CW_USEDEFAULT) width = creation.width;
  if (creation.height != CW_USEDEFAULT) height = creation.height;
  const int x =
      creation.x != CW_USEDEFAULT ? creation.x : available.x() + (available.width() - width) / 2;
  const int y =
      creation.y != CW_USEDEFAULT ? creation.y : available.y() + (available.height() - height) / 2;
  return {x, y, std::max(width, 1), std::max(height, 1)};
}

bool IsOuterWindow(const Window* window) {
  return window->kind == WindowKind::kTopLevel || window->kind == WindowKind::kDialog;
}

// Gives a window a new place (a control's in its dialog's client area) and
// its client the size that follows.
void Place(Window* window, const QRect& place) {
  switch (window->kind) {
    case WindowKind::kTopLevel:
    case WindowKind::kDialog:
      // The window system owns the geometry of a full-screen window.
      if (window->widget->isFullScreen()) return;
      window->widget->setGeometry(place);
      PlaceFrameChildren(window);
      return;
    case WindowKind::kControl:
      window->widget->setGeometry(place);
      return;
    case WindowKind::kBar:
      // Bars stay docked along their window's client area.
      return;
  }
}

}  // namespace

bool RegisterWindowClass(const WindowClass& windowClass) {
  if (windowClass.procedure == nullptr || windowClass.name.empty() ||
      FindClass(windowClass.name) != nullptr) {
    return false;
  }
  classes.push_back({std::u16string(windowClass.name), windowClass.procedure, windowClass.iconId});
  return true;
}

WindowHandle CreateTopLevelWindow(const WindowCreation& creation) {
  const ClassEntry* windowClass = FindClass(creation.className);
  if (windowClass == nullptr ||
      qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    return nullptr;
  }
  Window* window = NewWindow(WindowKind::kTopLevel, nullptr);
  auto* frame = new FrameWidget(window);
  window->widget = frame;
  window->client = new ClientWidget(window, frame);
  window->client->setAttribute(Qt::WA_OpaquePaintEvent);
  frame->setFocusProxy(window->client);
  if ((creation.style & WS_VSCROLL) != 0) window->scrollBar = MakeScrollBar(window, frame);
  frame->setWindowTitle(ToQString(creation.title));
  frame->setWindowIcon(ClassIcon(windowClass->iconId));
  frame->setGeometry(InitialGeometry(creation));
  PlaceFrameChildren(window);
  window->topLevel->procedure = windowClass->procedure;
  if (Deliver(window, WM_CREATE, 0, 0) == kCreationRefused) {
    DestroyWindow(window);
    return nullptr;
  }
  SendSizeIfChanged(window);
  if ((creation.style & WS_VISIBLE) != 0 && IsLive(window)) frame->show();
  return IsLive(window) ? window : nullptr;
}

void DestroyWindow(WindowHandle window) {
  if (!IsLive(window)) return;
  if (window->kind == WindowKind::kBar) {
    RetireWindow(window);
    std::erase(window->parent->topLevel->bars, window);
    window->widget->hide();
    window->widget->deleteLater();
    return;
  }
  if (window->kind != WindowKind::kTopLevel || window->topLevel->destroying) return;
  window->topLevel->destroying = true;
  Deliver(window, WM_DESTROY, 0, 0);
  for (Window* bar : window->topLevel->bars) RetireWindow(bar);
  window->topLevel->bars.clear();
  RetireWindow(window);
  // The widget may be handling the event that led here: it goes once that
  // event is over.
  window->widget->hide();
  window->widget->deleteLater();
  window->scrollBar = nullptr;
}

LResult DefWindowProc(WindowHandle window, std::uint32_t message, WParam wParam, LParam) {
  if (!IsLive(window)) return 0;
  switch (message) {
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_PAINT:
      EndPaint(window, BeginPaint(window));
      return 0;
    case WM_ERASEBKGND: {
      // The class background: white.
      auto* surface = reinterpret_cast<Surface*>(wParam);
      if (surface == nullptr) return 0;
      FillRect(surface, GetClientRect(window), GetStockBrush(StockBrush::kWhite));
      return 1;
    }
    default:
      return 0;
  }
}

LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
  return Deliver(window, message, wParam, lParam);
}

void ShowWindow(WindowHandle window, int command) {
  if (!IsLive(window)) return;
  // Showing keeps the state the window has (full screen stays so).
  window->widget->setVisible(command != SW_HIDE);
}

void UpdateWindow(WindowHandle window) {
  if (!IsLive(window) || !window->widget->isVisible()) return;
  if (window->kind == WindowKind::kControl) {
    window->widget->repaint();
    return;
  }
  DeliverPaint(window);
  if (window->client != nullptr) window->client->update();
}

bool IsWindowVisible(WindowHandle window) { return IsLive(window) && window->widget->isVisible(); }

// The program repaints whole windows, so the part named only matters to the
// erase that the window asks for.
void InvalidateRect(WindowHandle window, const Rect*, bool erase) {
  if (!IsLive(window)) return;
  window->needsPaint = true;
  window->eraseNeeded = window->eraseNeeded || erase;
  QWidget* shown = window->client != nullptr ? window->client : window->widget;
  shown->update();
}

Rect GetClientRect(WindowHandle window) {
  if (!IsLive(window)) return {};
  const QSize size = IsOuterWindow(window) ? window->clientSize : window->widget->size();
  return {0, 0, size.width(), size.height()};
}

// Top-level windows and dialogs on the screen; controls and bars in their
// parent's client area, as MoveWindow takes them.
Rect GetWindowRect(WindowHandle window) {
  if (!IsLive(window)) return {};
  const QRect place = window->widget->geometry();
  return {place.left(), place.top(), place.left() + place.width(), place.top() + place.height()};
}

void MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, bool repaint) {
  if (!IsLive(window)) return;
  Place(window, QRect(x, y, std::max(width, 0), std::max(height, 0)));
  if (repaint) InvalidateRect(window, nullptr, true);
}

void SetWindowPosition(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height, std::uint32_t flags) {
  if (!IsLive(window)) return;
  const QPoint at = (flags & SWP_NOMOVE) != 0 ? window->widget->geometry().topLeft() : QPoint(x, y);
  Place(window, QRect(at, QSize(std::max(width, 0), std::max(height, 0))));
  if ((flags & SWP_SHOWWINDOW) != 0) window->widget->show();
}

Surface* GetWindowSurface(WindowHandle window) {
  if (window == nullptr) return nullptr;
  if (window->kind == WindowKind::kControl)
    return IsLive(window) ? ControlSurface(window) : nullptr;
  return window->surface;
}

// The back buffer belongs to the window for its whole life.
void ReleaseWindowSurface(WindowHandle, Surface*) {}

// Painting marks the whole window painted; an erase asked for comes first.
// A window marked again by its erase handling is painted once more.
Surface* BeginPaint(WindowHandle window) {
  if (!IsLive(window)) return nullptr;
  window->needsPaint = false;
  if (window->eraseNeeded) {
    window->eraseNeeded = false;
    Deliver(window, WM_ERASEBKGND, reinterpret_cast<WParam>(window->surface), 0);
  }
  return window->surface;
}

void EndPaint(WindowHandle window, Surface*) {
  if (IsLive(window) && window->client != nullptr) window->client->update();
}

void SetFocus(WindowHandle window) {
  if (!IsLive(window)) return;
  QWidget* target = window->client != nullptr ? window->client : window->widget;
  target->setFocus(Qt::OtherFocusReason);
}

std::int32_t GetSystemMetric(int index) {
  switch (index) {
    case SM_CXVSCROLL:
      return ScrollBarExtent();
    case SM_CXEDGE:
    case SM_CYEDGE:
      return kEdgeSize;
    default:
      return 0;
  }
}

}  // namespace velmora::platform
