#include "shell/reading_input.h"

#include "platform/window.h"
#include "search/search_engine.h"
#include "shell/navigation.h"
#include "shell/text_size.h"
#include "state/app_state.h"
#include "view/scroll.h"
#include "view/text_view.h"

namespace velmora::shell {
namespace {

using platform::LResult;

constexpr LResult kKeyTaken = 0;
constexpr LResult kKeyIgnored = 1;
constexpr LResult kScrollBarResult = 1;

// The rows a scrolling key moves the view. Home and End go to the first row
// and to the last page; from there they page as Page Up and Page Down do.
std::int32_t KeyScrollAmount(const view::TextView& view, std::uint32_t key) {
  const std::int32_t page = view::PageStepRows(view, kKeyPageStepShift);
  switch (key) {
    case platform::VK_PRIOR:
      return -page;
    case platform::VK_NEXT:
      return page;
    case platform::VK_SPACE:
      return platform::IsKeyHeld(platform::VK_SHIFT) ? -page : page;
    case platform::VK_END:
      return view.lastTopRow != 0 ? view.lastTopRow : page;
    case platform::VK_HOME:
      return view.topRow != 0 ? -view.topRow : -page;
    case platform::VK_UP:
      return -1;
    default:
      return +1;
  }
}

std::int32_t ScrollBarAmount(const view::TextView& view, platform::WParam wParam) {
  switch (platform::LowWord(wParam)) {
    case platform::SB_LINEUP:
      return -1;
    case platform::SB_LINEDOWN:
      return +1;
    case platform::SB_PAGEUP:
      return 1 - view.rowsPainted;
    case platform::SB_PAGEDOWN:
      return view.rowsPainted - 1;
    case platform::SB_THUMBPOSITION:
    case platform::SB_THUMBTRACK:
      return static_cast<std::int16_t>(platform::HighWord(wParam)) - view.topRow;
    case platform::SB_TOP:
      return -view.topRow;
    case platform::SB_BOTTOM:
      // One line down, not to the end.
      return +1;
    default:
      return 0;
  }
}

}  // namespace

LResult HandleReadingKey(platform::WindowHandle window, std::uint32_t key) {
  switch (key) {
    case platform::VK_RETURN:
      if (appState.searchPattern[0] != 0) search::SearchBook(window);
      return kKeyTaken;
    case platform::VK_LEFT:
      StepArticle(window, -1);
      return kKeyTaken;
    case platform::VK_RIGHT:
      StepArticle(window, +1);
      return kKeyTaken;
    case platform::VK_OEM_PLUS:
    case platform::VK_OEM_MINUS:
      // Only with Control: the text size, one step of the font dialog's list.
      if (!platform::IsKeyHeld(platform::VK_CONTROL)) return kKeyIgnored;
      StepTextSize(window, key == platform::VK_OEM_PLUS ? +1 : -1);
      return kKeyTaken;
    case platform::VK_SPACE:
    case platform::VK_PRIOR:
    case platform::VK_NEXT:
    case platform::VK_END:
    case platform::VK_HOME:
    case platform::VK_UP:
    case platform::VK_DOWN:
      if (view::TextView* articleView = appState.articleView) {
        view::ScrollTextView(articleView, KeyScrollAmount(*articleView, key), view::kScrollAndPaint,
                             true);
        view::SyncScrollBar(window);
      }
      return kKeyTaken;
    default:
      return kKeyIgnored;
  }
}

LResult HandleScrollBar(platform::WindowHandle window, platform::WParam wParam,
                        platform::LParam lParam) {
  view::TextView* articleView = appState.articleView;
  const std::int32_t rows = articleView != nullptr ? ScrollBarAmount(*articleView, wParam) : 0;
  if (rows != 0) view::ScrollTextView(articleView, rows, view::kScrollAndPaint, true);
  platform::DefWindowProc(window, platform::WM_VSCROLL, wParam, lParam);
  if (rows != 0) view::SyncScrollBar(window);
  return kScrollBarResult;
}

LResult HandleWheel(platform::WindowHandle window, platform::WParam wParam,
                    platform::LParam lParam) {
  if ((platform::LowWord(wParam) & platform::MK_CONTROL) == 0) {
    return platform::DefWindowProc(window, platform::WM_MOUSEWHEEL, wParam, lParam);
  }
  const auto delta = static_cast<std::int16_t>(platform::HighWord(wParam));
  if (delta != 0) StepTextSize(window, delta > 0 ? +1 : -1);
  return kKeyTaken;
}

}  // namespace velmora::shell
