// Laying out every article of the book, at two view widths, on the Qt
// surface: the article view's layout against Qt's own paragraph layout
// (QTextLayout) breaking the same paragraphs, in reading order and right to
// left, into lines of the same width in the same fonts.
#include <benchmark/benchmark.h>

#include <QFont>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "book/book_format.h"
#include "book/letters.h"
#include "book/paragraph_stream.h"
#include "book/record.h"
#include "platform/memory.h"
#include "platform/qt/image_surface.h"
#include "platform/qt/qt_handles.h"
#include "resources/article_count.h"
#include "state/app_state.h"
#include "view/text_view.h"

namespace velmora {
namespace {

constexpr int kViewHeight = 320;
constexpr std::uint16_t kLineCapacity = 100;
// A loaded record is followed by two zero bytes inside its block.
constexpr std::size_t kLoadedSlack = 2;

// One paragraph as Qt lays it out: logical Unicode text and its style's font.
struct LogicalParagraph {
  QString text;
  std::uint8_t key = 0;
};

struct Book {
  std::vector<platform::HeapBuffer> articles;
  std::vector<LogicalParagraph> paragraphs;
  std::int64_t storedBytes = 0;
};

platform::HeapBuffer Copy(const platform::HeapBuffer& from) {
  const std::size_t bytes = from.size + kLoadedSlack;
  platform::HeapBuffer to{platform::HeapAllocateArray<std::uint8_t>(bytes), from.size};
  std::memcpy(to.get(), from.get(), bytes);
  return to;
}

// Stored text back in reading order: paragraphs stored right to left are
// reversed (brackets mirrored) by the program's own conversion.
QString LogicalText(const book::StreamItem& item) {
  const AppFlags saved = appState.appFlags;
  if (item.style & book::StyleReversed) appState.appFlags |= ReverseOption;
  platform::HeapPtr<char16_t[]> units(book::ToDisplayText(item.text, item.length, nullptr));
  appState.appFlags = saved;
  return QString::fromUtf16(units.get(), item.length);
}

const Book& TheBook() {
  static const Book loaded = [] {
    Book book;
    for (int n = 1; n <= ArticleCount; ++n) {
      platform::HeapBuffer stream = book::LoadBookRecord(n, nullptr);
      if (!stream) continue;
      book::WalkStream(std::span(stream.get(), stream.size), [&](const book::StreamItem& item) {
        if ((item.style & book::RuleItem) == book::RuleItem) return true;
        book.paragraphs.push_back(
            {LogicalText(item), static_cast<std::uint8_t>(item.style & book::StyleFontKey)});
        book.storedBytes += item.length;
        return true;
      });
      book.articles.push_back(std::move(stream));
    }
    return book;
  }();
  return loaded;
}

void LayoutBook(benchmark::State& state) {
  const Book& book = TheBook();
  const auto width = static_cast<std::int32_t>(state.range(0));
  platform::Surface* surface = platform::CreateImageSurface(width, kViewHeight, 1.0);
  const platform::Rect rect{0, 0, width, kViewHeight};
  view::TextView* view = view::CreateTextView(surface, &rect, appState.fontSettings, kLineCapacity);
  std::int64_t lines = 0;
  for (auto _ : state) {
    for (const platform::HeapBuffer& article : book.articles) {
      view::LayoutText(view, Copy(article), true);
      lines += view->lineCount;
    }
  }
  state.SetBytesProcessed(state.iterations() * book.storedBytes);
  state.counters["lines"] = benchmark::Counter(static_cast<double>(lines) / state.iterations());
  view::DestroyTextView(view, true);
  platform::DestroyImageSurface(surface);
}

void QtTextLayoutBook(benchmark::State& state) {
  const Book& book = TheBook();
  const auto width = static_cast<qreal>(state.range(0));
  // The fonts the view makes for each style.
  std::map<std::uint8_t, platform::Font*> fonts;
  for (const LogicalParagraph& paragraph : book.paragraphs) {
    if (!fonts.contains(paragraph.key)) {
      fonts[paragraph.key] =
          platform::CreateFont(view::StyleFontDescription(appState.fontSettings, paragraph.key));
    }
  }
  QTextOption option(Qt::AlignRight);
  option.setTextDirection(Qt::RightToLeft);
  option.setWrapMode(QTextOption::WordWrap);
  std::int64_t lines = 0;
  for (auto _ : state) {
    for (const LogicalParagraph& paragraph : book.paragraphs) {
      QTextLayout layout(paragraph.text, platform::QtFontOf(fonts[paragraph.key]));
      layout.setTextOption(option);
      layout.beginLayout();
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
      }
      layout.endLayout();
    }
  }
  state.SetBytesProcessed(state.iterations() * book.storedBytes);
  state.counters["lines"] = benchmark::Counter(static_cast<double>(lines) / state.iterations());
  for (auto& [key, font] : fonts) platform::DeleteFont(font);
}

BENCHMARK(LayoutBook)->Arg(240)->Arg(480)->Unit(benchmark::kMillisecond);
// A pass of the baseline takes most of a second: give it a few.
BENCHMARK(QtTextLayoutBook)->Arg(240)->Arg(480)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Prints, after the usual table, how many times faster the view's layout is
// than the baseline at each width, by wall-clock and by processor time (the
// steadier of the two on a busy machine).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // Keyed by name and width only, whatever run options the name carries.
      times_[run.run_name.function_name + "/" + run.run_name.args] = {run.GetAdjustedRealTime(),
                                                                      run.GetAdjustedCPUTime()};
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* width : {"240", "480"}) {
      const auto ours = times_.find(std::string("LayoutBook/") + width);
      const auto theirs = times_.find(std::string("QtTextLayoutBook/") + width);
      if (ours == times_.end() || theirs == times_.end()) continue;
      std::printf(
          "width %s: the article layout is %.1f times as fast as QTextLayout "
          "(%.1f by processor time)\n",
          width, theirs->second.first / ours->second.first,
          theirs->second.second / ours->second.second);
    }
  }

 private:
  std::map<std::string, std::pair<double, double>> times_;  // real, processor
};

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  using namespace velmora;
  platform::OffscreenGraphics* graphics = platform::StartOffscreenGraphics();
  appState.fontSettings.letterBase = kLetterBaseUnicode;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  platform::StopOffscreenGraphics(graphics);
  return 0;
}
