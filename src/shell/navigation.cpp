#include "shell/navigation.h"

#include <utility>

#include "book/record.h"
#include "resources/article_count.h"
#include "shell/article_window.h"
#include "shell/bars.h"
#include "state/app_state.h"
#include "state/settings.h"
#include "view/text_view.h"

namespace velmora::shell {

int GoToArticle(platform::WindowHandle window, std::uint16_t article) {
  const std::uint16_t previous = appState.currentArticle;
  settings::SetCurrentArticle(article);
  platform::HeapBuffer content = book::LoadBookRecord(appState.currentArticle, nullptr);
  if (!content) {
    appState.currentArticle = previous;
    return kArticleNotLoaded;
  }
  view::LayoutText(appState.articleView, std::move(content), true);
  if (appState.articleView != nullptr) appState.articleView->topRow = 0;
  RepaintNow(window, kPaintAll);
  SyncBookmarkCheck(window, CheckMode::kSet);
  return kArticleShown;
}

int StepArticle(platform::WindowHandle window, int step) {
  int article = appState.currentArticle + step;
  if (article > ArticleCount) {
    article = kFirstArticle;
  } else if (article < kFirstArticle) {
    article = ArticleCount;
  }
  return GoToArticle(window, static_cast<std::uint16_t>(article));
}

}  // namespace velmora::shell
