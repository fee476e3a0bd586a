#include "platform/qt/client_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cstdlib>

#include "platform/qt/keys.h"
#include "platform/qt/window_objects.h"

namespace velmora::platform {
namespace {

// A key press as WM_KEYDOWN's lParam gives it: a repeat count of one.
constexpr LParam kKeyDownFlags = 1;
constexpr WParam kLeftButtonDown = 0x0001;
// The wheel turns in steps of 15 degrees, 120 eighths of a degree.
constexpr int kWheelStep = 120;

}  // namespace

ClientWidget::ClientWidget(Window* window, QWidget* parent) : QWidget(parent), window_(window) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

// The back buffer goes with the widget that shows it.
ClientWidget::~ClientWidget() {
  if (window_->client != this) return;
  DestroyQtSurface(window_->surface);
  window_->surface = nullptr;
  window_->client = nullptr;
}

void ClientWidget::paintEvent(QPaintEvent*) {
  if (!IsLive(window_)) return;
  if (window_->surface != nullptr &&
      SurfaceImage(window_->surface).devicePixelRatio() != devicePixelRatioF()) {
    // Moved to a screen of another density: a new buffer, painted afresh.
    ResizeSurface(window_, window_->clientSize, this);
    window_->needsPaint = window_->eraseNeeded = true;
  }
  DeliverPaint(window_);
  if (!ShowsSurface(window_) || window_->surface == nullptr) return;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), SurfaceImage(window_->surface));
}

void ClientWidget::keyPressEvent(QKeyEvent* event) {
  const std::uint32_t key = VirtualKeyOf(event->key());
  // A dialog takes Return and Escape as OK and Cancel, as its own keys,
  // unless its procedure asks for Return itself.
  if (key == 0 || !IsLive(window_)) {
    event->ignore();
    return;
  }
  if (window_->kind == WindowKind::kDialog &&
      (key == VK_ESCAPE ||
       (key == VK_RETURN && (Deliver(window_, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS) == 0))) {
    event->ignore();
    return;
  }
  if (key == kVkF1) {
    Deliver(window_, WM_HELP, 0, 0);
    return;
  }
  if (window_->kind == WindowKind::kTopLevel &&
      TranslateAccelerator(window_, key, AcceleratorModifiers(event->modifiers()))) {
    return;
  }
  Deliver(window_, WM_KEYDOWN, key, kKeyDownFlags);
}

void ClientWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !IsLive(window_)) return;
  if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
  const QPoint at = event->position().toPoint();
  Deliver(window_, WM_LBUTTONDOWN, kLeftButtonDown,
          MakeLParam(static_cast<std::uint16_t>(at.x()), static_cast<std::uint16_t>(at.y())));
}

// The wheel scrolls by lines as the scroll bar's arrows do; with Control
// held it sends WM_MOUSEWHEEL, one message a notch.
void ClientWidget::wheelEvent(QWheelEvent* event) {
  if (!IsLive(window_)) return;
  wheelRemainder_ += event->angleDelta().y();
  const int steps = wheelRemainder_ / kWheelStep;
  wheelRemainder_ -= steps * kWheelStep;
  if (event->modifiers().testFlag(Qt::ControlModifier)) {
    const auto notch = static_cast<std::uint16_t>(steps > 0 ? WHEEL_DELTA : -WHEEL_DELTA);
    for (int i = 0; i < std::abs(steps) && IsLive(window_); ++i) {
      Deliver(window_, WM_MOUSEWHEEL, MakeWParam(MK_CONTROL, notch), 0);
    }
    event->accept();
    return;
  }
  const int lines = steps * QApplication::wheelScrollLines();
  const std::uint16_t request = lines > 0 ? SB_LINEUP : SB_LINEDOWN;
  for (int i = 0; i < std::abs(lines) && IsLive(window_); ++i) {
    Deliver(window_, WM_VSCROLL, MakeWParam(request, 0), 0);
  }
  event->accept();
}

FrameWidget::FrameWidget(Window* window) : window_(window) {}

bool FrameWidget::event(QEvent* event) {
  DeliverActivation(window_, event);
  return QWidget::event(event);
}

void FrameWidget::resizeEvent(QResizeEvent*) {
  if (IsLive(window_)) PlaceFrameChildren(window_);
}

// The close button asks the procedure, whose default handling destroys the
// window.
void FrameWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  Deliver(window_, WM_CLOSE, 0, 0);
}

void DeliverActivation(Window* window, const QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    Deliver(window, WM_ACTIVATE, MakeWParam(WA_ACTIVE, 0), 0);
  } else if (event->type() == QEvent::WindowDeactivate) {
    Deliver(window, WM_ACTIVATE, MakeWParam(WA_INACTIVE, 0), 0);
  }
}

}  // namespace velmora::platform
