// How the Qt backend's handles map to Qt objects.
#pragma once

#include <QFont>
#include <QImage>
#include <QScrollBar>
#include <QWidget>

#include "platform/surface.h"
#include "platform/window_handle.h"

namespace velmora::platform {

// A window: its widget, the back buffer it shows and its vertical scroll bar
// (none for a window without one).
struct Window {
  QWidget* widget = nullptr;
  Surface* surface = nullptr;
  QScrollBar* scrollBar = nullptr;
};

// The widget behind a window handle, or nullptr for none.
inline QWidget* WidgetOf(WindowHandle window) {
  return window == nullptr ? nullptr : window->widget;
}

// A surface over a white back buffer of width x height logical pixels at
// `pixelRatio` device pixels each. With `shownIn`, that widget is asked to
// repaint after every drawing call. nullptr without a QGuiApplication or for
// a size that is not positive.
Surface* CreateQtSurface(int width, int height, qreal pixelRatio, QWidget* shownIn);
void DestroyQtSurface(Surface* surface);
// The back buffer, for a widget's paint event and for saving.
const QImage& SurfaceImage(const Surface* surface);
// The toolkit font a font was made as.
const QFont& QtFontOf(const Font* font);

}  // namespace velmora::platform
