// How the Qt backend's handles map to Qt objects.
#pragma once

#include <QFont>
#include <QImage>
#include <QScrollBar>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <optional>

#include "platform/surface.h"
#include "platform/window_handle.h"

namespace velmora::platform {

enum class WindowKind { kTopLevel, kDialog, kControl, kBar };

// The parts only one kind of window has (window_objects.h).
struct TopLevelState;
struct DialogState;
struct ControlState;
struct BarState;

// A window: its widget, the back buffer it shows and its vertical scroll bar
// (none for a window without one). A top-level window's widget is its frame
// and its `client` the area the procedure sees; a dialog's widget is the
// dialog and its `client` the area above the OK button row; a control's and a
// bar's widget is the control or the bar itself.
struct Window {
  QWidget* widget = nullptr;
  Surface* surface = nullptr;
  QScrollBar* scrollBar = nullptr;
  WindowKind kind = WindowKind::kTopLevel;
  Window* parent = nullptr;  // a dialog's owner, a control's dialog, a bar's window
  QWidget* client = nullptr;
  // The client size the procedure is told about (a control's: its surface's).
  QSize clientSize = QSize();
  std::optional<QSize> sizeSent = std::nullopt;  // what WM_SIZE last carried
  bool needsPaint = false;                       // WM_PAINT is due
  bool eraseNeeded = false;                      // BeginPaint sends WM_ERASEBKGND first
  std::uint16_t id = 0;                          // a control's id
  std::int32_t scrollPosition = 0;               // the position the program last set
  // Owned by the window; set for its kind only.
  TopLevelState* topLevel = nullptr;
  DialogState* dialog = nullptr;
  ControlState* control = nullptr;
  BarState* bar = nullptr;
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
