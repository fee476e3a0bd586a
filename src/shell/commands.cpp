#include "shell/commands.h"

#include "export/export_article.h"
#include "font/font_dialog.h"
#include "index/bookmarks.h"
#include "index/choose_article.h"
#include "platform/window.h"
#include "resources/ids.h"
#include "search/search_dialog.h"
#include "search/search_engine.h"
#include "shell/about_dialog.h"
#include "shell/article_window.h"
#include "shell/bars.h"
#include "shell/navigation.h"
#include "shell/update_check.h"
#include "state/app_state.h"
#include "view/paint.h"

namespace velmora::shell {
namespace {

void ChooseFont(platform::WindowHandle window) {
  if (font::RunFontDialog(window, &appState.fontSettings) == platform::IDOK) {
    ApplyFontSettings(window);
  }
}

// Choose Article: the article picked from the table of contents is shown
// unless it is the one shown already.
void ChooseArticleCommand(platform::WindowHandle window) {
  const std::uint16_t chosen =
      index::ChooseArticle(window, appState.currentArticle, &appState.fontSettings);
  if (chosen != 0 && chosen != appState.currentArticle) GoToArticle(window, chosen);
}

}  // namespace

int DispatchCommand(platform::WindowHandle window, platform::WParam wParam) {
  switch (platform::LowWord(wParam)) {
    case resources::kCmdNextArticle:
      StepArticle(window, +1);
      return kCommandHandled;
    case resources::kCmdPreviousArticle:
      StepArticle(window, -1);
      return kCommandHandled;
    case resources::kCmdReverse:
      SyncReverseCheck(window, CheckMode::kToggle);
      view::PaintTextView(appState.articleView, true);
      return kCommandHandled;
    case resources::kCmdCheckForUpdates:
      CheckForUpdates(appState.mainWindow);
      return kCommandHandled;
    case resources::kCmdAbout:
      RunAboutDialog(window);
      return kCommandHandled;
    case resources::kCmdExit:
      platform::DestroyWindow(window);
      return kCommandHandled;
    case resources::kCmdFont:
      ChooseFont(window);
      return kCommandHandled;
    case resources::kCmdBookmark:
      index::ToggleBookmark(index::IsBookmarked());
      SyncBookmarkCheck(window, CheckMode::kSet);
      return kCommandHandled;
    case resources::kCmdChooseSection:
    case resources::kCmdChooseArticle:
      ChooseArticleCommand(window);
      return kCommandHandled;
    case resources::kCmdCopy:
      exporting::ExportArticle(appState.articleView, exporting::kReplaceClipboard);
      return kCommandHandled;
    case resources::kCmdAppend:
      exporting::ExportArticle(appState.articleView, exporting::kAppendToClipboard);
      return kCommandHandled;
    case resources::kCmdSearch:
      search::RunSearchDialog(window);
      return kCommandHandled;
    case resources::kCmdSearchAgain:
      search::SearchBook(window);
      return kCommandHandled;
    default:
      return kCommandNotOurs;
  }
}

}  // namespace velmora::shell
