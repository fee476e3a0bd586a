#include "platform/qt/application.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <csignal>

#include "platform/qt/window_objects.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

constexpr const char* kApplicationName = "Velmora";
constexpr const char* kOrganisationName = "Quorvane";
constexpr const char* kDesktopFileName = "velmora";
constexpr std::array<int, 3> kClosingSignals{SIGTERM, SIGINT, SIGHUP};

// A signal handler may only write to a descriptor: the loop reads the other
// end and closes the main window there.
std::array<int, 2> signal_pipe{-1, -1};

void OnSignal(int) {
  const char byte = 0;
  const ssize_t written = ::write(signal_pipe[1], &byte, 1);
  static_cast<void>(written);
}

// Installs the handlers for its life and restores the previous ones after.
class SignalCloser {
 public:
  SignalCloser() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_pipe.data()) != 0) return;
    ::fcntl(signal_pipe[1], F_SETFL, ::fcntl(signal_pipe[1], F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [] {
      char drained[64];
      const ssize_t got = ::read(signal_pipe[0], drained, sizeof drained);
      static_cast<void>(got);
      RequestMainWindowClose();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kClosingSignals.size(); ++i) {
      ::sigaction(kClosingSignals[i], &action, &previous_[i]);
    }
    installed_ = true;
  }

  ~SignalCloser() {
    if (!installed_) return;
    for (std::size_t i = 0; i < kClosingSignals.size(); ++i) {
      ::sigaction(kClosingSignals[i], &previous_[i], nullptr);
    }
    delete notifier_;
    ::close(signal_pipe[0]);
    ::close(signal_pipe[1]);
    signal_pipe = {-1, -1};
  }

  SignalCloser(const SignalCloser&) = delete;
  SignalCloser& operator=(const SignalCloser&) = delete;

 private:
  bool installed_ = false;
  QSocketNotifier* notifier_ = nullptr;
  std::array<struct sigaction, kClosingSignals.size()> previous_{};
};

}  // namespace

namespace qt {

int RunQtProgram(int argc, char** argv, int (*entryRoutine)(int showCommand)) {
  QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
  QApplication::setOrganizationName(QString::fromLatin1(kOrganisationName));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
  // Any command line starts the program as an empty one does: the toolkit
  // would take options of its own from it (-reverse, -style, -platform, ...),
  // so it sees the program's name alone. It keeps both for its whole life.
  char* programName =
      argc > 0 && argv[0] != nullptr ? argv[0] : const_cast<char*>(kDesktopFileName);
  std::array<char*, 2> toolkitArgv{programName, nullptr};
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, toolkitArgv.data());
  // The program ends when its main window posts the quit, never because its
  // last window closed.
  QApplication::setQuitOnLastWindowClosed(false);
  const SignalCloser closer;
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                   [](QSessionManager&) { RequestMainWindowClose(); });
  return entryRoutine(SW_SHOWNORMAL);
}

}  // namespace qt
}  // namespace velmora::platform
