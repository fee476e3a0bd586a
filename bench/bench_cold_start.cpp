// Cold start: from an empty process to the first painted article, against
// starting Qt and showing an empty window of the same size, each measured
// as a whole child process (offscreen, with settings that need no font
// dialog), in the same run.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/qt/application.h"
#include "shell/startup.h"

extern char** environ;

namespace {

// Ends the program as soon as a window of the program has painted once.
class QuitAfterFirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() && !done_) {
      done_ = true;
      QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }
    return false;
  }

 private:
  bool done_ = false;
};

QuitAfterFirstPaint* quitter = nullptr;

int ReaderUntilFirstPaint(int showCommand) {
  quitter = new QuitAfterFirstPaint;
  qApp->installEventFilter(quitter);
  return velmora::shell::EntryRoutine(showCommand);
}

// The baseline: Qt and an empty window of the reader's default size.
int EmptyWindowUntilFirstPaint(int argc, char** argv) {
  QApplication app(argc, argv);
  QuitAfterFirstPaint filter;
  app.installEventFilter(&filter);
  QWidget window;
  window.resize(409, 614);
  window.show();
  return QApplication::exec();
}

std::string self_path;

void RunChild(benchmark::State& state, const char* mode) {
  const auto work = std::filesystem::temp_directory_path() /
                    ("velmora-cold-start-" + std::to_string(::getpid()));
  std::filesystem::create_directories(work / "runtime");
  std::filesystem::permissions(work / "runtime", std::filesystem::perms::owner_all);
  const auto registry = work / "velmora.reg";
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::setenv("XDG_RUNTIME_DIR", (work / "runtime").c_str(), 1);
  ::setenv("VELMORA_REGISTRY", registry.c_str(), 1);
  for (auto _ : state) {
    state.PauseTiming();
    std::ofstream(registry) << "Windows Registry Editor Version 5.00\n\n"
                               "[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\n"
                               "\"FontName\"=\"DejaVu Sans\"\n";
    state.ResumeTiming();
    char* args[] = {self_path.data(), const_cast<char*>("--child"), const_cast<char*>(mode),
                    nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, self_path.c_str(), nullptr, nullptr, args, environ) != 0) {
      state.SkipWithError("cannot start the child");
      break;
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the child failed");
      break;
    }
  }
  std::filesystem::remove_all(work);
}

void BM_EmptyQtWindow(benchmark::State& state) { RunChild(state, "empty"); }
void BM_ReaderFirstArticle(benchmark::State& state) { RunChild(state, "reader"); }

BENCHMARK(BM_EmptyQtWindow)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ReaderFirstArticle)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
    if (std::strcmp(argv[2], "empty") == 0) return EmptyWindowUntilFirstPaint(argc, argv);
    return velmora::platform::qt::RunQtProgram(argc, argv, ReaderUntilFirstPaint);
  }
  self_path = std::filesystem::canonical("/proc/self/exe").string();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
