// Cold start: the time from spawning a process to its first paint, for the
// reader (to the first painted article) against Qt showing an empty window
// of the same size, in the same run, offscreen.
//
// The reader finds its settings as a second start does: one untimed start
// and orderly close before the rounds stores every value the reader writes,
// so a timed start writes nothing; each round checks that the file is still
// byte for byte the same. Each child stamps CLOCK_MONOTONIC once its first
// paint has been handled and sends it to the parent, which stamped the same
// clock just before the spawn: neither the child's exit nor its settings
// write at the end is counted. The rounds alternate the two children so that
// load from elsewhere on the machine falls on both alike.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/qt/application.h"
#include "platform/window.h"
#include "shell/startup.h"
#include "state/app_state.h"
#include "view/text_view.h"

extern char** environ;

namespace {

constexpr const char* kChildFlag = "--child";
constexpr const char* kEmptyMode = "empty";
constexpr const char* kReaderMode = "reader";
constexpr int kRounds = 20;
constexpr double kNanosecondsPerSecond = 1e9;
constexpr double kNanosecondsPerMillisecond = 1e6;

std::int64_t MonotonicNanoseconds() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The descriptor the child reports its stamp on.
int report_fd = -1;

void ReportStamp() {
  const std::int64_t stamp = MonotonicNanoseconds();
  const ssize_t written = ::write(report_fd, &stamp, sizeof stamp);
  static_cast<void>(written);
  ::close(report_fd);
}

// Once the paint pass that a paint event belongs to is over (a window's
// widgets are painted together and then shown; the timer runs after that),
// asks `painted` whether the paint that counts is done; the first time it
// is, stamps the clock and runs `then`. The reader's article is drawn into
// its back buffer before the pass, which shows it.
class FirstPaintWatcher : public QObject {
 public:
  FirstPaintWatcher(std::function<bool()> painted, std::function<void()> then)
      : painted_(std::move(painted)), then_(std::move(then)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() && !done_ && !pending_) {
      pending_ = true;
      QTimer::singleShot(0, this, [this] {
        pending_ = false;
        if (done_ || !painted_()) return;
        done_ = true;
        ReportStamp();
        then_();
      });
    }
    return false;
  }

 private:
  std::function<bool()> painted_;
  std::function<void()> then_;
  bool done_ = false;
  bool pending_ = false;
};

// The reader to its first painted article; then it closes as the reader
// closes it, saving its settings on the way (untimed).
int ReaderUntilFirstArticle(int showCommand) {
  using velmora::appState;
  FirstPaintWatcher watcher(
      [] { return appState.articleView != nullptr && appState.articleView->rowsPainted > 0; },
      [] { velmora::platform::DestroyWindow(appState.mainWindow); });
  qApp->installEventFilter(&watcher);
  return velmora::shell::EntryRoutine(showCommand);
}

// The baseline: Qt and an empty window of the reader's default size, to its
// first paint.
int EmptyWindowUntilFirstPaint(int argc, char** argv) {
  QApplication app(argc, argv);
  FirstPaintWatcher watcher([] { return true; }, [] { QCoreApplication::exit(0); });
  app.installEventFilter(&watcher);
  QWidget window;
  window.resize(409, 614);
  window.show();
  return QApplication::exec();
}

std::string self_path;

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Spawns a child in `mode` and returns the nanoseconds from just before the
// spawn to its first paint; negative when it failed.
std::int64_t TimeChild(const char* mode) {
  int fds[2];
  if (::pipe(fds) != 0) return -1;
  ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);  // the child gets the write end alone
  std::string fdText = std::to_string(fds[1]);
  char* args[] = {self_path.data(), const_cast<char*>(kChildFlag), const_cast<char*>(mode),
                  fdText.data(), nullptr};
  pid_t pid = 0;
  const std::int64_t start = MonotonicNanoseconds();
  const int spawned = ::posix_spawn(&pid, self_path.c_str(), nullptr, nullptr, args, environ);
  ::close(fds[1]);
  std::int64_t stamp = 0;
  ssize_t got = 0;
  if (spawned == 0) {
    do {
      got = ::read(fds[0], &stamp, sizeof stamp);
    } while (got < 0 && errno == EINTR);
  }
  ::close(fds[0]);
  if (spawned != 0) return -1;
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (got != sizeof stamp || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return stamp - start;
}

double Median(std::vector<std::int64_t> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  if (n == 0) return 0;
  return n % 2 == 1 ? static_cast<double>(values[n / 2])
                    : (static_cast<double>(values[n / 2 - 1]) + values[n / 2]) / 2;
}

// Each iteration: the empty window, then the reader; the iteration's time
// is the reader's. The counters give both medians and their ratio.
void BM_ColdStartToFirstPaint(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path work =
      fs::temp_directory_path() / ("velmora-cold-start-" + std::to_string(::getpid()));
  fs::create_directories(work / "runtime");
  fs::permissions(work / "runtime", fs::perms::owner_all);
  const fs::path registry = work / "velmora.reg";
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::setenv("XDG_RUNTIME_DIR", (work / "runtime").c_str(), 1);
  ::setenv("VELMORA_REGISTRY", registry.c_str(), 1);
  // A face, so that no first-run font dialog opens; then one start stores
  // everything the reader writes.
  std::ofstream(registry) << "Windows Registry Editor Version 5.00\n\n"
                             "[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\n"
                             "\"FontName\"=\"DejaVu Sans\"\n";
  if (TimeChild(kReaderMode) < 0) {
    state.SkipWithError("the reader failed to start");
    return;
  }
  const std::string prepared = FileBytes(registry);
  std::vector<std::int64_t> empty;
  std::vector<std::int64_t> reader;
  for (auto _ : state) {
    const std::int64_t emptyTime = TimeChild(kEmptyMode);
    const std::int64_t readerTime = TimeChild(kReaderMode);
    if (emptyTime < 0 || readerTime < 0) {
      state.SkipWithError("a child failed");
      break;
    }
    if (FileBytes(registry) != prepared) {
      state.SkipWithError("the reader changed its settings on a second start");
      break;
    }
    empty.push_back(emptyTime);
    reader.push_back(readerTime);
    state.SetIterationTime(static_cast<double>(readerTime) / kNanosecondsPerSecond);
  }
  fs::remove_all(work);
  const double emptyMedian = Median(empty);
  const double readerMedian = Median(reader);
  state.counters["empty_ms"] = emptyMedian / kNanosecondsPerMillisecond;
  state.counters["reader_ms"] = readerMedian / kNanosecondsPerMillisecond;
  state.counters["ratio"] = emptyMedian > 0 ? readerMedian / emptyMedian : 0;
}

BENCHMARK(BM_ColdStartToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(kRounds);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], kChildFlag) == 0) {
    report_fd = std::atoi(argv[3]);
    if (std::strcmp(argv[2], kEmptyMode) == 0) return EmptyWindowUntilFirstPaint(argc, argv);
    return velmora::platform::qt::RunQtProgram(argc, argv, ReaderUntilFirstArticle);
  }
  self_path = std::filesystem::canonical("/proc/self/exe").string();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
