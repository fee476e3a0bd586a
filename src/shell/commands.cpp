#include "shell/commands.h"

#include "font/font_dialog.h"
#include "platform/window.h"
#include "resources/ids.h"
#include "shell/about_dialog.h"
#include "shell/app_state.h"
#include "shell/bars.h"
#include "shell/navigation.h"
#include "shell/update_check.h"
#include "view/paint.h"
#include "view/text_view.h"

namespace velmora::shell {
namespace {

void ChooseFont(platform::WindowHandle window) {
  if (font::RunFontDialog(window, &appState.fontSettings) == platform::IDOK) {
    view::SetTextViewFonts(appState.articleView, &appState.fontSettings);
  }
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
    // The program's commands whose subsystems (Choose Article, search,
    // bookmarks, clipboard export) it does not have yet: they are taken and do
    // nothing.
    case resources::kCmdChooseSection:
    case resources::kCmdChooseArticle:
    case resources::kCmdSearch:
    case resources::kCmdSearchAgain:
    case resources::kCmdBookmark:
    case resources::kCmdCopy:
    case resources::kCmdAppend:
      return kCommandHandled;
    default:
      return kCommandNotOurs;
  }
}

}  // namespace velmora::shell
