// Copy of the book's largest article, against laying that article out in
// the article view, both on the Qt platform: the whole Copy (plain form,
// Rich Text body, clipboard block, the clipboard set), and its parts.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "book/book_format.h"
#include "book/record.h"
#include "export/clipboard_copy.h"
#include "export/export_article.h"
#include "export/rtf_body.h"
#include "export/rtf_document.h"
#include "platform/memory.h"
#include "platform/qt/image_surface.h"
#include "resources/article_count.h"
#include "state/app_state.h"
#include "view/text_view.h"

namespace velmora {
namespace {

constexpr int kViewWidth = 240;
constexpr int kViewHeight = 320;
constexpr std::uint16_t kLineCapacity = 100;
// A loaded record is followed by two zero bytes inside its block.
constexpr std::size_t kLoadedSlack = 2;

struct Largest {
  platform::HeapBuffer stream;
  int article = 0;
};

const Largest& LargestArticle() {
  static const Largest largest = [] {
    Largest found;
    for (int n = 1; n <= ArticleCount; ++n) {
      platform::HeapBuffer stream = book::LoadBookRecord(n, nullptr);
      if (stream && (!found.stream || stream.size > found.stream.size)) {
        found.stream = std::move(stream);
        found.article = n;
      }
    }
    return found;
  }();
  return largest;
}

platform::HeapBuffer Copy(const platform::HeapBuffer& from) {
  const std::size_t bytes = from.size + kLoadedSlack;
  platform::HeapBuffer to{platform::HeapAllocateArray<std::uint8_t>(bytes), from.size};
  std::memcpy(to.get(), from.get(), bytes);
  return to;
}

std::span<const std::uint8_t> Bytes(const platform::HeapBuffer& buffer) {
  return {buffer.get(), buffer.size};
}

// The baseline: the article laid out in the view, as showing it does.
void LayoutArticle(benchmark::State& state) {
  const Largest& largest = LargestArticle();
  platform::Surface* surface = platform::CreateImageSurface(kViewWidth, kViewHeight, 1.0);
  const platform::Rect rect{0, 0, kViewWidth, kViewHeight};
  view::TextView* view = view::CreateTextView(surface, &rect, appState.fontSettings, kLineCapacity);
  for (auto _ : state) {
    view::LayoutText(view, Copy(largest.stream), true);
    benchmark::DoNotOptimize(view->lineCount);
  }
  state.counters["lines"] = view->lineCount;
  view::DestroyTextView(view, true);
  platform::DestroyImageSurface(surface);
}

// The whole command: ExportArticle on a view holding the article.
void CopyArticle(benchmark::State& state) {
  const Largest& largest = LargestArticle();
  view::TextView view;
  view.text = Copy(largest.stream);
  for (auto _ : state) exporting::ExportArticle(&view, exporting::kReplaceClipboard);
  state.counters["article"] = largest.article;
  state.counters["stored bytes"] = largest.stream.size;
}

void RenderPlainForm(benchmark::State& state) {
  const Largest& largest = LargestArticle();
  for (auto _ : state) {
    benchmark::DoNotOptimize(exporting::RenderArticleText(Bytes(largest.stream)));
  }
}

void RichTextBlock(benchmark::State& state) {
  const platform::HeapPtr<char16_t[]> text =
      exporting::RenderArticleText(Bytes(LargestArticle().stream));
  std::size_t bytes = 0;
  for (auto _ : state) {
    const exporting::RtfBody body = exporting::MakeRtfBody(text.get());
    const platform::ClipboardBlock block = exporting::BuildRtfBlock({}, body);
    bytes = block.size;
    benchmark::DoNotOptimize(block.get());
  }
  state.counters["block bytes"] = static_cast<double>(bytes);
}

BENCHMARK(LayoutArticle)->Unit(benchmark::kMicrosecond);
BENCHMARK(CopyArticle)->Unit(benchmark::kMicrosecond);
BENCHMARK(RenderPlainForm)->Unit(benchmark::kMicrosecond);
BENCHMARK(RichTextBlock)->Unit(benchmark::kMicrosecond);

// After the usual table: the time of a Copy as a multiple of the layout's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // With repetitions, the median stands for them.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      times_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto copy = times_.find("CopyArticle");
    const auto layout = times_.find("LayoutArticle");
    if (copy == times_.end() || layout == times_.end()) return;
    std::printf(
        "article %d: Copy %.1f us, layout %.1f us: Copy takes %.2f times the layout's time "
        "(%.2f by processor time)\n",
        LargestArticle().article, copy->second.first, layout->second.first,
        copy->second.first / layout->second.first, copy->second.second / layout->second.second);
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
  appState.appFlags = kDefaultAppFlags;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  platform::StopOffscreenGraphics(graphics);
  return 0;
}
