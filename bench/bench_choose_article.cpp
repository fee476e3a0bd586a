// Opening the Choose Article dialog's list on the Qt surface: loading the
// index record, putting a Bookmarks section in front, laying every entry out
// for a 227 x 320 list, uncovering the current article and the first paint.
// Two baselines in the same run: loading the index record alone (the part
// of the work the list cannot change, so the difference is what the list
// itself costs), and showing an article in the article view (load, layout,
// paint: what every page turn costs, which the reader takes as immediate).
// The whole must stay well inside one 16 ms frame.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "book/book_format.h"
#include "book/index_record.h"
#include "book/record.h"
#include "index/bookmarks.h"
#include "index/index_rows.h"
#include "index/index_view.h"
#include "platform/memory.h"
#include "platform/qt/image_surface.h"
#include "resources/ids.h"
#include "state/app_state.h"
#include "view/paint.h"
#include "view/text_view.h"

namespace velmora {
namespace {

// The dialog's list on the program's 240 x 320 screen, less the scroll bar.
constexpr platform::Rect kListRect{0, 0, 227, 320};
constexpr std::uint16_t kListRows = 100;
// A reader's bookmarks, spread over the book, and the article shown.
constexpr std::uint16_t kBookmarks[] = {3, 41, 150, 233, 310, 402, 518, 600, 655, 690};
constexpr std::uint16_t kCurrentArticle = 345;
constexpr double kFrameMilliseconds = 16.0;

void SetBookmarks() {
  constexpr std::size_t count = std::size(kBookmarks);
  appState.bookmarkList = platform::HeapAllocateArray<std::uint16_t>(count + 1);
  for (std::size_t i = 0; i < count; ++i) appState.bookmarkList[i] = kBookmarks[i];
  appState.bookmarkList[count] = 0;
  appState.bookmarkCount = static_cast<std::uint16_t>(count);
}

void OpenChooseArticleList(benchmark::State& state) {
  platform::Surface* surface = platform::CreateImageSurface(kListRect.right, kListRect.bottom, 1.0);
  // The entries the list is laid out from: the index and the Bookmarks section.
  std::int64_t entries = 0;
  const platform::HeapBuffer joined =
      index::PrependBookmarks(book::LoadBookRecord(book::IndexRecordNumber, nullptr));
  book::WalkIndex(std::span(joined.get(), joined.size), [&](const book::IndexEntry&) {
    ++entries;
    return true;
  });
  std::int64_t rows = 0;
  for (auto _ : state) {
    platform::HeapBuffer buffer = book::LoadBookRecord(book::IndexRecordNumber, nullptr);
    buffer = index::PrependBookmarks(std::move(buffer));
    index::IndexView* view =
        index::CreateIndexView(surface, kListRect, appState.fontSettings, kListRows);
    index::LayoutIndex(view, std::move(buffer), false);
    index::UncoverArticle(view, kCurrentArticle);
    index::PaintIndexView(view, true);
    rows = view->lineCount;
    index::DestroyIndexView(view, true);
  }
  state.counters["entries"] = static_cast<double>(entries);
  state.counters["rows"] = static_cast<double>(rows);
  platform::DestroyImageSurface(surface);
}

void LoadIndexRecord(benchmark::State& state) {
  for (auto _ : state) {
    platform::HeapBuffer buffer = book::LoadBookRecord(book::IndexRecordNumber, nullptr);
    benchmark::DoNotOptimize(buffer.get());
  }
}

void ShowArticle(benchmark::State& state) {
  platform::Surface* surface = platform::CreateImageSurface(kListRect.right, kListRect.bottom, 1.0);
  for (auto _ : state) {
    view::TextView* view =
        view::CreateTextView(surface, &kListRect, appState.fontSettings, kListRows);
    view::LayoutText(view, book::LoadBookRecord(kCurrentArticle, nullptr), true);
    view::PaintTextView(view, true);
    view::DestroyTextView(view, true);
  }
  platform::DestroyImageSurface(surface);
}

BENCHMARK(OpenChooseArticleList)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadIndexRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowArticle)->Unit(benchmark::kMillisecond);

// Prints, after the usual table, the opening's time against the baselines
// and against one frame.
class FrameReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // With repetitions the median, reported after the single runs, stands
      // for them; the other aggregates are no times.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      times_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto opening = times_.find("OpenChooseArticleList");
    const auto loading = times_.find("LoadIndexRecord");
    const auto article = times_.find("ShowArticle");
    if (opening == times_.end() || loading == times_.end() || article == times_.end()) return;
    std::printf(
        "opening the list: %.3f ms (%.0f %% of a %.0f ms frame); loading the index alone: "
        "%.3f ms, so the list's own work is %.3f ms; showing an article: %.3f ms "
        "(the list takes %.1f times as long)\n",
        opening->second.first, 100.0 * opening->second.first / kFrameMilliseconds,
        kFrameMilliseconds, loading->second.first, opening->second.first - loading->second.first,
        article->second.first, opening->second.first / article->second.first);
  }

 private:
  std::map<std::string, std::pair<double, double>> times_;  // real, processor (ms)
};

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  using namespace velmora;
  platform::OffscreenGraphics* graphics = platform::StartOffscreenGraphics();
  appState.fontSettings.letterBase = kLetterBaseUnicode;
  appState.glyphs[0] = platform::LoadBitmap(resources::kBitmapGlyphCollapsed);
  appState.glyphs[1] = platform::LoadBitmap(resources::kBitmapGlyphExpanded);
  appState.glyphs[2] = platform::LoadBitmap(resources::kBitmapGlyphArticle);
  SetBookmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  FrameReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  appState.bookmarkList.reset();
  for (platform::Bitmap*& glyph : appState.glyphs) {
    platform::DeleteBitmap(glyph);
    glyph = nullptr;
  }
  platform::StopOffscreenGraphics(graphics);
  return 0;
}
