// The single-instance handshake of the Qt backend, both copies in this
// process: the running copy answers over its local socket, a command is
// answered only once the main window has handled it, and an address left
// behind by a crashed copy does not stop a new start.
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/instance.h"
#include "platform/qt/instance_address.h"
#include "platform/qt/qt_handles.h"
#include "qt_message_recorder.h"
#include "resources/ids.h"

namespace velmora::platform {
namespace {

using qt_test::MessagesOf;
using qt_test::ProcessPending;
using qt_test::Reaction;
using qt_test::Received;

// Names of this test process alone, so that parallel runs do not meet.
std::u16string UniqueTitle(const char* test) {
  return QStringLiteral("Copy-%1-%2")
      .arg(QString::fromLatin1(test))
      .arg(QCoreApplication::applicationPid())
      .toStdU16String();
}

constexpr std::u16string_view kClass = u"VelmoraTest";

class QtInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qt_test::ResetRecording();
    main_ = qt_test::MakeRecordingWindow(0, 240, 320);
  }
  void TearDown() override {
    DestroyWindow(main_);
    qt_test::ResetRecording();
    ProcessPending();
  }

  WindowHandle main_ = nullptr;
};

TEST_F(QtInstanceTest, NoCopyIsFoundWhereNoneListens) {
  EXPECT_EQ(FindRunningCopy(kClass, UniqueTitle("none")), nullptr);
}

TEST_F(QtInstanceTest, RunningCopyAnswersItsFrontAndHandlesTheCommandBeforeAnswering) {
  const std::u16string title = UniqueTitle("handshake");
  ASSERT_TRUE(ListenAsRunningCopy(kClass, title));
  SetRunningCopyWindow(main_);
  EXPECT_EQ(FindRunningCopy(kClass, UniqueTitle("other")), nullptr);
  RunningCopy* copy = FindRunningCopy(kClass, title);
  ASSERT_NE(copy, nullptr);

  EXPECT_EQ(RunningCopyForeground(copy), RunningCopyFront::kOtherProgram);

  // The command's handling runs a loop of its own (as a modal dialog does);
  // the answer waits for it.
  bool handled = false;
  Reaction() = [&handled](const Received& received) -> std::optional<LResult> {
    if (received.message != WM_COMMAND) return std::nullopt;
    QEventLoop inner;
    QTimer::singleShot(50, &inner, &QEventLoop::quit);
    inner.exec();
    handled = true;
    return 0;
  };
  SendCommandToRunningCopy(copy, resources::kCmdChooseArticle);
  EXPECT_TRUE(handled);
  ASSERT_EQ(MessagesOf(WM_COMMAND).size(), 1u);
  EXPECT_EQ(MessagesOf(WM_COMMAND)[0].wParam, MakeWParam(resources::kCmdChooseArticle, 0));

  BringRunningCopyToFront(copy);
  EXPECT_TRUE(WidgetOf(main_)->isVisible());
  WidgetOf(main_)->activateWindow();
  QCoreApplication::processEvents();
  if (WidgetOf(main_)->isActiveWindow()) {
    EXPECT_EQ(RunningCopyForeground(copy), RunningCopyFront::kMainWindow);
  }
  ForgetRunningCopy(copy);
}

// Findable from its listen on, before its main window exists: a later copy
// then leaves it alone, as it would with one of its dialogs in front.
TEST_F(QtInstanceTest, ACopyIsFoundBeforeItsMainWindowExists) {
  const std::u16string title = UniqueTitle("early");
  ASSERT_TRUE(ListenAsRunningCopy(kClass, title));
  RunningCopy* copy = FindRunningCopy(kClass, title);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(RunningCopyForeground(copy), RunningCopyFront::kOwnWindow);
  SendCommandToRunningCopy(copy, resources::kCmdChooseArticle);
  EXPECT_TRUE(MessagesOf(WM_COMMAND).empty()) << "a command with no window to take it";

  SetRunningCopyWindow(main_);
  SendCommandToRunningCopy(copy, resources::kCmdChooseArticle);
  EXPECT_EQ(MessagesOf(WM_COMMAND).size(), 1u);
  ForgetRunningCopy(copy);
}

// Of two copies that start at once, the one that got to the address first
// keeps it (it holds the address's lock); the other's listen fails.
TEST_F(QtInstanceTest, AListenWhileALiveCopyHoldsTheAddressFails) {
  const std::u16string title = UniqueTitle("taken");
  const QString address = RunningCopyAddress(kClass, title);
  QLocalServer first;
  first.setSocketOptions(QLocalServer::UserAccessOption);
  ASSERT_TRUE(first.listen(address));
  const QByteArray lockPath = QFile::encodeName(RunningCopyLockPath(address));
  const int lock = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);

  EXPECT_FALSE(ListenAsRunningCopy(kClass, title));
  RunningCopy* copy = FindRunningCopy(kClass, title);
  EXPECT_NE(copy, nullptr) << "the first copy's socket was taken";
  ForgetRunningCopy(copy);

  // Once the first copy has gone, a new one listens.
  ::close(lock);
  first.close();
  EXPECT_TRUE(ListenAsRunningCopy(kClass, title));
  ::unlink(lockPath.constData());
}

// Sets an environment variable for its life, then puts back what was there.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const QString& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    Set(value);
  }
  ~ScopedVariable() {
    if (had_) {
      qputenv(name_, old_);
    } else {
      qunsetenv(name_);
    }
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;
  void Set(const QString& value) { qputenv(name_, QFile::encodeName(value)); }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// One copy runs per display and settings file: a copy started on another
// display, or with another settings file, does not find this one.
TEST_F(QtInstanceTest, OneCopyRunsPerDisplayAndSettingsFile) {
  const QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString storeA = folder.filePath(QStringLiteral("a.reg"));
  ScopedVariable display("DISPLAY", QStringLiteral(":91"));
  ScopedVariable store("VELMORA_REGISTRY", storeA);
  const std::u16string title = UniqueTitle("places");
  ASSERT_TRUE(ListenAsRunningCopy(kClass, title));
  SetRunningCopyWindow(main_);

  const struct {
    const char* name;
    QString display;
    QString store;
    bool found;
  } cases[] = {
      {"SameDisplayAndFile", QStringLiteral(":91"), storeA, true},
      {"AnotherScreenOfTheDisplay", QStringLiteral(":91.0"), storeA, true},
      {"TheFileSpelledOtherwise", QStringLiteral(":91"), folder.path() + QStringLiteral("/./a.reg"),
       true},
      {"AnotherDisplay", QStringLiteral(":92"), storeA, false},
      {"AnotherFile", QStringLiteral(":91"), folder.filePath(QStringLiteral("b.reg")), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    display.Set(c.display);
    store.Set(c.store);
    RunningCopy* copy = FindRunningCopy(kClass, title);
    EXPECT_EQ(copy != nullptr, c.found);
    ForgetRunningCopy(copy);
  }
}

TEST_F(QtInstanceTest, AddressLeftBehindByACrashedCopyIsTakenOver) {
  const std::u16string title = UniqueTitle("stale");
  const QByteArray path = QFile::encodeName(RunningCopyAddress(kClass, title));
  // A socket bound and never served: what a crashed copy leaves.
  const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(descriptor, 0);
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  ::unlink(path.constData());
  ASSERT_EQ(::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(descriptor);

  EXPECT_EQ(FindRunningCopy(kClass, title), nullptr);
  ASSERT_TRUE(ListenAsRunningCopy(kClass, title));
  SetRunningCopyWindow(main_);
  RunningCopy* copy = FindRunningCopy(kClass, title);
  ASSERT_NE(copy, nullptr);
  SendCommandToRunningCopy(copy, resources::kCmdAbout);
  EXPECT_EQ(MessagesOf(WM_COMMAND).size(), 1u);
  ForgetRunningCopy(copy);
}

}  // namespace
}  // namespace velmora::platform
