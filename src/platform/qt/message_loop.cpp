// The message loop is the toolkit's event loop. A quit posted before it runs
// is kept, and the loop then ends at once with its code; so do modal runs
// that start after it.
#include <QCoreApplication>
#include <QThread>

#include <optional>

#include "platform/message_loop.h"
#include "platform/shell.h"

namespace velmora::platform {
namespace {

// The code of a quit not yet taken by RunMessageLoop.
std::optional<int> posted_quit;
// RunMessageLoop's answer without a quit (no application to run).
constexpr int kNoLoopCode = 0;

}  // namespace

void PostQuitMessage(int exitCode) {
  posted_quit = exitCode;
  // Every running loop ends, a dialog's too, as the quit message does; with
  // none running, the toolkit would forget the request.
  if (QCoreApplication::instance() != nullptr && QThread::currentThread()->loopLevel() > 0) {
    QCoreApplication::exit(exitCode);
  }
}

bool QuitPosted() { return posted_quit.has_value(); }

int RunMessageLoop() {
  if (!posted_quit && QCoreApplication::instance() != nullptr) QCoreApplication::exec();
  const int code = posted_quit.value_or(kNoLoopCode);
  posted_quit.reset();
  return code;
}

}  // namespace velmora::platform
