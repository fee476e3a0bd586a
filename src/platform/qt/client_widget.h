// The widgets of a top-level window: the frame (title, close button,
// activation) and the client area, which shows the window's back buffer and
// turns keys, presses and the wheel into messages. A dialog's client area is
// the same kind of widget.
#pragma once

#include <QWidget>

#include "platform/qt/qt_handles.h"

namespace velmora::platform {

class ClientWidget : public QWidget {
 public:
  ClientWidget(Window* window, QWidget* parent);
  ~ClientWidget() override;
  ClientWidget(const ClientWidget&) = delete;
  ClientWidget& operator=(const ClientWidget&) = delete;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  Window* window_;
  int wheelRemainder_ = 0;  // eighths of a degree not yet turned into lines
};

class FrameWidget : public QWidget {
 public:
  explicit FrameWidget(Window* window);
  FrameWidget(const FrameWidget&) = delete;
  FrameWidget& operator=(const FrameWidget&) = delete;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Window* window_;
};

// WM_ACTIVATE when `event` is a window-system activation change.
void DeliverActivation(Window* window, const QEvent* event);

}  // namespace velmora::platform
