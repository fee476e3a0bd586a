#include <QSignalBlocker>

#include <algorithm>

#include "platform/qt/qt_handles.h"
#include "platform/window.h"

namespace velmora::platform {

Surface* GetWindowSurface(WindowHandle window) {
  return window == nullptr ? nullptr : window->surface;
}

// The back buffer belongs to the window for its whole life.
void ReleaseWindowSurface(WindowHandle, Surface*) {}

// The toolkit repaints a changed bar by itself, so `redraw` asks for nothing.
void SetVerticalScrollBar(WindowHandle window, const ScrollBarState& state, bool) {
  if (window == nullptr || window->scrollBar == nullptr) return;
  // Setting the bar is not the reader moving it: no scroll messages follow.
  const QSignalBlocker quiet(window->scrollBar);
  // A page of p rows leaves the last p - 1 positions to the thumb, as the
  // range (maximum included) counts rows and the thumb covers a page of them.
  const int last = std::max(state.minimum, state.maximum - std::max(state.page - 1, 0));
  window->scrollBar->setRange(state.minimum, last);
  window->scrollBar->setPageStep(std::max(state.page, 0));
  window->scrollBar->setValue(std::clamp(state.position, state.minimum, last));
}

}  // namespace velmora::platform
