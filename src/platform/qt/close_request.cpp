// Closing the main window from outside (a signal, the end of the desktop
// session) as its close button would, once no modal dialog or box is open.
#include <QApplication>
#include <QTimer>

#include "platform/message_loop.h"
#include "platform/qt/window_objects.h"

namespace velmora::platform {
namespace {

// How often a cancelled dialog or box is looked for again.
constexpr int kRetryMilliseconds = 100;
constexpr int kQuitWithoutWindow = 0;
}  // namespace

void RequestMainWindowClose() {
  if (QWidget* modal = QApplication::activeModalWidget()) {
    // A procedure waits inside this dialog: it ends first, so that nothing
    // runs on in a window that is gone.
    if (Window* dialog = RunningDialogOf(modal)) {
      Deliver(dialog, WM_COMMAND, MakeWParam(IDCANCEL, BN_CLICKED), 0);
    } else {
      modal->close();
    }
    QTimer::singleShot(kRetryMilliseconds, qApp, RequestMainWindowClose);
    return;
  }
  if (Window* window = FirstTopLevelWindow()) {
    Deliver(window, WM_CLOSE, 0, 0);
  } else {
    PostQuitMessage(kQuitWithoutWindow);
  }
}

}  // namespace velmora::platform
