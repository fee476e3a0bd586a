#include <cstring>

#include "book/record.h"
#include "platform/message_box.h"
#include "resources/article_count.h"
#include "resources/messages.h"
#include "search/search_engine.h"
#include "state/app_state.h"
#include "state/settings.h"
#include "view/heading_box.h"
#include "view/paint.h"
#include "view/view_lines.h"

namespace velmora::search {
namespace {

SearchShares shares;

// Shows the hit with highest byte `offset` and `length` bytes in the view.
void ShowHit(view::TextView* articleView, std::uint16_t offset, std::uint16_t length) {
  view::ScrollToOffset(articleView, offset);
  if (shares.repaintNow != nullptr) shares.repaintNow();
  articleView->highlightStart = static_cast<std::uint16_t>(offset - length + 1);
  articleView->highlightEnd = static_cast<std::uint16_t>(offset + 1);
  view::PaintTextView(articleView, true);
  if (shares.syncBookmarkCheck != nullptr) shares.syncBookmarkCheck();
  view::ShowHeadingBox(articleView);
}

// The walk's article after `article`: past the last comes the first, or 0
// when the walk started at 0, so that it always comes back to its start.
std::uint16_t NextInWalk(std::uint16_t article, std::uint16_t start) {
  const std::uint32_t next = article + 1u;
  if (next > ArticleCount) return start == 0 ? 0 : 1;
  return static_cast<std::uint16_t>(next);
}

enum class Pass { kHit, kNone, kAbandoned };

// One article search over the view's own stream from `from`.
Pass SearchShownArticle(view::TextView* articleView, std::uint16_t from,
                        std::span<const std::uint8_t> pattern) {
  if (!articleView->text) return Pass::kNone;
  std::uint16_t length = 0;
  bool dry = false;
  const std::uint16_t hit =
      FindInArticle(view::StreamBytes(articleView->text), from, pattern, &length, &dry);
  if (dry) return Pass::kAbandoned;
  if (hit == 0) return Pass::kNone;
  ShowHit(articleView, hit, length);
  return Pass::kHit;
}

}  // namespace

std::span<const std::uint8_t> StoredPattern() {
  const auto* pattern = appState.searchPattern;
  return {pattern, strnlen(reinterpret_cast<const char*>(pattern), kSearchPatternCapacity - 1)};
}

void InstallSearchShares(const SearchShares& installed) { shares = installed; }

bool SearchBook(platform::WindowHandle owner) {
  const std::span<const std::uint8_t> pattern = StoredPattern();
  view::TextView* articleView = appState.articleView;
  if (pattern.empty() || articleView == nullptr) return false;

  if (articleView->text) {
    switch (SearchShownArticle(articleView, ComputeSearchStart(*articleView), pattern)) {
      case Pass::kHit:
        return true;
      case Pass::kAbandoned:
        return false;
      case Pass::kNone:
        break;
    }
  }

  // Every other article once, then the start article again. A CurrentArticle
  // beyond the book (read from the registry) never comes round: the walk
  // stops after one round of the book.
  const std::uint16_t start = appState.currentArticle;
  std::uint16_t article = start;
  for (std::uint32_t visited = 0; visited < ArticleCount; ++visited) {
    article = NextInWalk(article, start);
    if (article == start) break;
    platform::HeapBuffer stream = book::LoadBookRecord(article, nullptr);
    if (!stream) continue;
    std::uint16_t length = 0;
    bool dry = false;
    const std::uint16_t hit = FindInArticle(view::StreamBytes(stream), 0, pattern, &length, &dry);
    if (dry) return false;
    if (hit == 0) continue;
    settings::SetCurrentArticle(article);
    view::LayoutText(articleView, std::move(stream), true);
    ShowHit(articleView, hit, length);
    return true;
  }

  switch (SearchShownArticle(articleView, 0, pattern)) {
    case Pass::kHit:
      return true;
    case Pass::kAbandoned:
      return false;
    case Pass::kNone:
      break;
  }
  platform::ShowMessageBox(owner, resources::kMsgNotFound, resources::kCaptionVelmora,
                           platform::kMbOk);
  return false;
}

}  // namespace velmora::search
