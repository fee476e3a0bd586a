// A whole-book search that finds nothing (every other article loaded,
// decompressed and scanned once, the article shown scanned in its final
// pass), as Search Again runs it, next to the floor measured in the same
// run: every record decompressed the same way and searched with memmem for
// the same bytes. Patterns with '*' in the middle and with '?' are measured
// beside them.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string_view>

#include "book/record.h"
#include "platform/headless/headless.h"
#include "platform/memory.h"
#include "resources/article_count.h"
#include "search/search_engine.h"
#include "state/app_state.h"
#include "view/text_view.h"

namespace {

using namespace velmora;

// In stored order. None of them is in the book: "קקקק", "ךך*ה" (the '*'
// before a letter found everywhere), "ק?ק?ק".
constexpr std::string_view kLiteral = "xxxx";
constexpr std::string_view kStar = "e*kk";
constexpr std::string_view kAnyByte = "x?x?x";

constexpr std::int32_t kViewWidth = 240;
constexpr std::int32_t kViewHeight = 300;

// The main window's article view on article 1, scrolled to its last screen
// with no highlight, so that the first pass examines nothing.
void ShowArticleOne() {
  static platform::Surface* surface =
      platform::headless::CreateTestSurface(kViewWidth, kViewHeight);
  if (appState.articleView != nullptr) return;
  const platform::Rect rect{0, 0, kViewWidth, kViewHeight};
  appState.articleView = view::CreateTextView(surface, &rect, appState.fontSettings, 100);
  view::LayoutText(appState.articleView, book::LoadBookRecord(1, nullptr), false);
  appState.articleView->topRow = appState.articleView->lastTopRow;
  appState.currentArticle = 1;
}

void SearchWholeBook(benchmark::State& state, std::string_view pattern) {
  ShowArticleOne();
  std::memset(appState.searchPattern, 0, sizeof appState.searchPattern);
  std::memcpy(appState.searchPattern, pattern.data(), pattern.size());
  for (auto _ : state) {
    if (search::SearchBook(nullptr)) state.SkipWithError("the pattern is in the book");
    platform::headless::ResetAll();  // forgets the recorded "Not Found!"
  }
  state.counters["articles"] = ArticleCount;
}

void BM_SearchNotFound(benchmark::State& state) { SearchWholeBook(state, kLiteral); }
void BM_SearchStarNotFound(benchmark::State& state) { SearchWholeBook(state, kStar); }
void BM_SearchAnyByteNotFound(benchmark::State& state) { SearchWholeBook(state, kAnyByte); }

// The floor: the same loads, and memmem over each stream.
void BM_FloorDecompressAndMemmem(benchmark::State& state) {
  for (auto _ : state) {
    for (int article = 1; article <= ArticleCount; ++article) {
      platform::HeapBuffer stream = book::LoadBookRecord(article, nullptr);
      if (!stream) continue;
      const void* found = memmem(stream.get(), stream.size, kLiteral.data(), kLiteral.size());
      if (found != nullptr) state.SkipWithError("the pattern is in the book");
      benchmark::DoNotOptimize(found);
    }
  }
  state.counters["articles"] = ArticleCount;
}

BENCHMARK(BM_FloorDecompressAndMemmem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchNotFound)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchStarNotFound)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAnyByteNotFound)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
