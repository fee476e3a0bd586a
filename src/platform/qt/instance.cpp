// One copy at a time: the running copy listens on a local socket; a second
// copy connects, asks one line at a time and waits for the answer line. The
// running copy answers a command only once its main window has handled it,
// so the second copy waits as long as that takes.
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "platform/instance.h"
#include "platform/qt/instance_address.h"
#include "platform/qt/window_objects.h"

namespace velmora::platform {

struct RunningCopy {
  QLocalSocket socket;
};

namespace {

constexpr int kConnectMilliseconds = 2000;
constexpr int kAnswerMilliseconds = 5000;
constexpr int kWithoutTimeout = -1;
constexpr mode_t kLockFileMode = 0600;
constexpr std::uint16_t kFromOutside = 0;

constexpr char kAskFront[] = "front";
constexpr char kAskCommand[] = "command ";
constexpr char kAskRaise[] = "raise";
constexpr char kAnswerMain[] = "main";
constexpr char kAnswerOwn[] = "own";
constexpr char kAnswerOther[] = "other";
constexpr char kAnswerDone[] = "done";
constexpr char kAnswerUnknown[] = "unknown";
constexpr char kLineEnd = '\n';

void BringToFront(Window* window) {
  QWidget* frame = window->widget;
  frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
  frame->show();
  frame->raise();
  frame->activateWindow();
}

class RunningCopyServer : public QObject {
 public:
  RunningCopyServer() : QObject(qApp) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] { Accept(); });
  }

  ~RunningCopyServer() override {
    if (lock_ >= 0) ::close(lock_);
  }

  RunningCopyServer(const RunningCopyServer&) = delete;
  RunningCopyServer& operator=(const RunningCopyServer&) = delete;

  // Listens at `address`. The address's lock file, held for the copy's life
  // and let go by the system even when it crashes, decides between copies
  // that start at once: the toolkit's listen replaces a socket that another
  // copy serves. False when a live copy holds the lock, or when the address
  // cannot be listened at (said on standard error: the program then does
  // not run).
  bool Listen(const QString& address) {
    const QByteArray lockPath = QFile::encodeName(RunningCopyLockPath(address));
    lock_ = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, kLockFileMode);
    if (lock_ < 0 || ::flock(lock_, LOCK_EX | LOCK_NB) != 0) {
      if (lock_ >= 0 && errno == EWOULDBLOCK) return false;
      std::fprintf(stderr, "velmora: cannot lock %s: %s\n", lockPath.constData(),
                   std::strerror(errno));
      return false;
    }
    if (server_.listen(address)) return true;
    // Left behind by a copy that crashed: the lock says that none runs.
    if (server_.serverError() == QAbstractSocket::AddressInUseError) {
      QLocalServer::removeServer(address);
      if (server_.listen(address)) return true;
    }
    std::fprintf(stderr, "velmora: cannot listen at %s for later copies: %s\n",
                 QFile::encodeName(address).constData(),
                 server_.errorString().toLocal8Bit().constData());
    return false;
  }

  void SetMainWindow(Window* mainWindow) { mainWindow_ = mainWindow; }

 private:
  void Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Serve(socket); });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      Serve(socket);
    }
  }

  void Serve(QLocalSocket* socket) {
    const QPointer<QLocalSocket> guard(socket);
    while (guard != nullptr && guard->canReadLine()) {
      const QByteArray answer = Answer(guard->readLine().trimmed());
      // The asking copy may have gone while a dialog ran.
      if (guard == nullptr) return;
      guard->write(answer + kLineEnd);
      guard->flush();
    }
  }

  QByteArray Answer(const QByteArray& request) {
    if (request == kAskFront) return Front();
    if (request.startsWith(kAskCommand)) {
      bool number = false;
      const uint command = request.mid(sizeof kAskCommand - 1).toUInt(&number);
      if (number && command <= 0xFFFF && IsLive(mainWindow_)) {
        Deliver(mainWindow_, WM_COMMAND,
                MakeWParam(static_cast<std::uint16_t>(command), kFromOutside), 0);
      }
      return kAnswerDone;
    }
    if (request == kAskRaise) {
      if (IsLive(mainWindow_)) BringToFront(mainWindow_);
      return kAnswerDone;
    }
    return kAnswerUnknown;
  }

  // Before its main window exists, the copy is busy with its own start (a
  // message box inside window creation, say): later copies leave it alone.
  QByteArray Front() const {
    if (!IsLive(mainWindow_)) return kAnswerOwn;
    const QWidget* active = QApplication::activeWindow();
    if (active == nullptr) return kAnswerOther;
    return active == mainWindow_->widget ? kAnswerMain : kAnswerOwn;
  }

  Window* mainWindow_ = nullptr;
  QLocalServer server_;
  int lock_ = -1;
};

QPointer<RunningCopyServer> running_server;

// Sends one request line and waits for the answer line, at most `timeout`
// milliseconds unless it is kWithoutTimeout. The loop meanwhile lets this
// program go on handling its own events (signals among them).
std::optional<QByteArray> Ask(RunningCopy* copy, const QByteArray& request, int timeout) {
  if (copy == nullptr) return std::nullopt;
  QLocalSocket& socket = copy->socket;
  socket.write(request + kLineEnd);
  socket.flush();
  if (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState) {
    QEventLoop loop;
    QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&socket, &loop] {
      if (socket.canReadLine()) loop.quit();
    });
    QObject::connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (timeout != kWithoutTimeout) timer.start(timeout);
    if (!socket.canReadLine()) loop.exec();
  }
  if (!socket.canReadLine()) return std::nullopt;
  return socket.readLine().trimmed();
}

}  // namespace

RunningCopy* FindRunningCopy(std::u16string_view className, std::u16string_view title) {
  if (QCoreApplication::instance() == nullptr) return nullptr;
  auto copy = std::make_unique<RunningCopy>();
  copy->socket.connectToServer(RunningCopyAddress(className, title));
  if (!copy->socket.waitForConnected(kConnectMilliseconds)) return nullptr;
  return copy.release();
}

void ForgetRunningCopy(RunningCopy* copy) { delete copy; }

// A copy that does not answer counts as behind another program.
RunningCopyFront RunningCopyForeground(RunningCopy* copy) {
  const std::optional<QByteArray> answer = Ask(copy, kAskFront, kAnswerMilliseconds);
  if (answer == kAnswerMain) return RunningCopyFront::kMainWindow;
  if (answer == kAnswerOwn) return RunningCopyFront::kOwnWindow;
  return RunningCopyFront::kOtherProgram;
}

void SendCommandToRunningCopy(RunningCopy* copy, std::uint16_t command) {
  Ask(copy, kAskCommand + QByteArray::number(command), kWithoutTimeout);
}

void BringRunningCopyToFront(RunningCopy* copy) { Ask(copy, kAskRaise, kAnswerMilliseconds); }

bool ListenAsRunningCopy(std::u16string_view className, std::u16string_view title) {
  if (QCoreApplication::instance() == nullptr) return false;
  delete running_server;
  running_server = new RunningCopyServer();
  if (running_server->Listen(RunningCopyAddress(className, title))) return true;
  delete running_server;
  return false;
}

void SetRunningCopyWindow(WindowHandle mainWindow) {
  if (running_server != nullptr) running_server->SetMainWindow(mainWindow);
}

}  // namespace velmora::platform
