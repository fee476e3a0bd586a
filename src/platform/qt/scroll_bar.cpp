// Vertical scroll bars: the program sets range and position; the reader's
// actions on the bar become WM_VSCROLL, and the bar then shows what the
// program set again, as the program alone decides where it is.
#include <QApplication>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

#include "platform/qt/window_objects.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

// The request WM_VSCROLL carries for a slider action; -1 for none.
int RequestOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
      return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
      return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
      return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
      return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
      return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
      return SB_THUMBTRACK;
    default:
      return -1;
  }
}

void SendScroll(Window* window, QScrollBar* bar, std::uint16_t request) {
  const auto position = static_cast<std::uint16_t>(bar->sliderPosition());
  Deliver(window, WM_VSCROLL, MakeWParam(request, position), 0);
  if (!IsLive(window) || window->scrollBar != bar) return;
  const QSignalBlocker quiet(bar);
  bar->setValue(window->scrollPosition);
}

}  // namespace

// Without a widget application there are no windows and no bars to take room.
int ScrollBarExtent() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return 0;
  return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

QScrollBar* MakeScrollBar(Window* window, QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Vertical, parent);
  bar->setFocusPolicy(Qt::NoFocus);
  bar->setRange(0, 0);
  QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [window, bar](int action) {
    const int request = RequestOf(action);
    if (request >= 0) SendScroll(window, bar, static_cast<std::uint16_t>(request));
  });
  QObject::connect(bar, &QAbstractSlider::sliderReleased, bar,
                   [window, bar] { SendScroll(window, bar, SB_THUMBPOSITION); });
  return bar;
}

// The toolkit repaints a changed bar by itself, so `redraw` asks for nothing.
void SetVerticalScrollBar(WindowHandle window, const ScrollBarState& state, bool) {
  if (window == nullptr) return;
  // A dialog that draws itself gets its bar when it first sets one, over the
  // right edge of its client area, where it leaves room for it.
  if (window->scrollBar == nullptr && IsLive(window) && window->kind == WindowKind::kDialog &&
      window->client != nullptr) {
    window->scrollBar = MakeScrollBar(window, window->client);
    PlaceFrameChildren(window);
    window->scrollBar->show();
  }
  if (window->scrollBar == nullptr) return;
  // Setting the bar is not the reader moving it: no scroll messages follow.
  const QSignalBlocker quiet(window->scrollBar);
  // A page of p rows leaves the last p - 1 positions to the thumb, as the
  // range (maximum included) counts rows and the thumb covers a page of them.
  const int last = std::max(state.minimum, state.maximum - std::max(state.page - 1, 0));
  window->scrollBar->setRange(state.minimum, last);
  window->scrollBar->setPageStep(std::max(state.page, 0));
  window->scrollPosition = std::clamp(state.position, state.minimum, last);
  window->scrollBar->setValue(window->scrollPosition);
}

}  // namespace velmora::platform
