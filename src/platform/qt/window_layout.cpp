// Client sizes, back buffers, docked bars and painting: what follows a
// window's size and what makes it painted.
#include <QDialogButtonBox>
#include <QPointer>

#include <cmath>
#include <utility>

#include "platform/qt/surface_objects.h"
#include "platform/qt/window_objects.h"

namespace velmora::platform {
namespace {

// WM_SIZE's wParam for a window sized normally.
constexpr WParam kSizeRestored = 0;
// Painting that asks for more painting (an erase that marks a part again)
// is followed this many times at most within one paint.
constexpr int kPaintRounds = 3;

bool HasProcedure(const Window* window) {
  switch (window->kind) {
    case WindowKind::kTopLevel:
      return window->topLevel->procedure != nullptr;
    case WindowKind::kDialog:
      return window->dialog->procedure != nullptr;
    default:
      return false;
  }
}

int OkRowHeight(const Window* window) {
  const QDialogButtonBox* row =
      window->kind == WindowKind::kDialog ? window->dialog->okRow : nullptr;
  return row == nullptr ? 0 : row->sizeHint().height();
}

}  // namespace

bool ShowsSurface(const Window* window) {
  return window->kind == WindowKind::kTopLevel ||
         (window->kind == WindowKind::kDialog && window->dialog->drawsItself);
}

void ResizeSurface(Window* window, QSize size, QWidget* shownIn) {
  const int width = std::max(size.width(), 1);
  const int height = std::max(size.height(), 1);
  const QWidget* measure = shownIn != nullptr ? shownIn : window->widget;
  const qreal ratio = measure != nullptr ? measure->devicePixelRatioF() : 1.0;
  if (window->surface == nullptr) {
    window->surface = CreateQtSurface(width, height, ratio, shownIn);
    return;
  }
  // The surface stays the same object: views keep it for their whole life.
  QImage& image = window->surface->image;
  image = QImage(static_cast<int>(std::ceil(width * ratio)),
                 static_cast<int>(std::ceil(height * ratio)), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
}

void PlaceFrameChildren(Window* window) {
  const QSize outer = window->widget->size();
  QSize client = outer;
  if (window->kind == WindowKind::kTopLevel) {
    const int bar = window->scrollBar != nullptr ? ScrollBarExtent() : 0;
    client.setWidth(std::max(outer.width() - bar, 0));
    if (window->scrollBar != nullptr) {
      window->scrollBar->setGeometry(client.width(), 0, bar, outer.height());
    }
  } else {
    const int row = OkRowHeight(window);
    client.setHeight(std::max(outer.height() - row, 0));
    if (row > 0) window->dialog->okRow->setGeometry(0, client.height(), outer.width(), row);
    // A dialog's own bar lies over the right edge of its client area.
    if (window->scrollBar != nullptr) {
      const int bar = ScrollBarExtent();
      window->scrollBar->setGeometry(client.width() - bar, 0, bar, client.height());
    }
  }
  window->client->setGeometry(0, 0, client.width(), client.height());
  ApplyClientSize(window, client);
}

void DockBars(Window* window) {
  if (window->kind != WindowKind::kTopLevel) return;
  for (Window* bar : window->topLevel->bars) {
    const int height = bar->widget->height();
    const int top = bar->bar->atBottom ? window->clientSize.height() - height : 0;
    bar->widget->setGeometry(0, top, window->clientSize.width(), height);
    bar->widget->raise();
  }
}

void ApplyClientSize(Window* window, QSize size) {
  if (size != window->clientSize || window->surface == nullptr) {
    window->clientSize = size;
    ResizeSurface(window, size, ShowsSurface(window) ? window->client : nullptr);
    window->needsPaint = window->eraseNeeded = true;
    if (window->client != nullptr) window->client->update();
  }
  DockBars(window);
  SendSizeIfChanged(window);
}

void SendSizeIfChanged(Window* window) {
  if (!HasProcedure(window) || window->sizeSent == window->clientSize) return;
  window->sizeSent = window->clientSize;
  Deliver(window, WM_SIZE, kSizeRestored,
          MakeLParam(static_cast<std::uint16_t>(window->clientSize.width()),
                     static_cast<std::uint16_t>(window->clientSize.height())));
}

void DeliverPaint(Window* window) {
  if (!IsLive(window) || !window->needsPaint || !HasProcedure(window)) return;
  Surface* surface = window->surface;
  // The paint under way shows the buffer afterwards; drawing need not ask.
  QPointer<QWidget> shownIn;
  if (surface != nullptr) shownIn = std::exchange(surface->shownIn, nullptr);
  for (int round = 0; round < kPaintRounds && window->needsPaint && IsLive(window); ++round) {
    window->needsPaint = false;
    Deliver(window, WM_PAINT, 0, 0);
  }
  if (surface != nullptr && surface == window->surface) surface->shownIn = shownIn;
}

}  // namespace velmora::platform
