#include "shell/article_window.h"

#include <utility>

#include "book/record.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "resources/messages.h"
#include "state/app_state.h"
#include "view/paint.h"
#include "view/scroll.h"
#include "view/text_view.h"

namespace velmora::shell {
namespace {

// The view's rectangle in a client area: the bar's strip left free (at the
// bottom for the menu bar, at the top for the command bar), then the gutter
// on the sides that are wider than two gutters.
platform::Rect ArticleViewRect(platform::Rect rect) {
  const std::int32_t gutter = appState.surroundingGutter;
  if (appState.menuBarOnBottom != 0) {
    rect.bottom -= appState.barHeight;
  } else {
    rect.top += appState.barHeight;
  }
  if (rect.bottom - rect.top > 2 * gutter) {
    rect.top += gutter;
    rect.bottom -= gutter;
  }
  if (rect.right - rect.left > 2 * gutter) {
    rect.left += gutter;
    rect.right -= gutter;
  }
  return rect;
}

// A size less the two gutters, when it is wider than both.
std::int32_t LessGutters(std::int32_t size) {
  const std::int32_t gutters = 2 * appState.surroundingGutter;
  return size > gutters ? size - gutters : size;
}

}  // namespace

void CreateArticleView(platform::WindowHandle window) {
  platform::Surface* surface = platform::GetWindowSurface(window);
  const platform::Rect rect = ArticleViewRect(platform::GetClientRect(window));
  appState.articleView =
      view::CreateTextView(surface, &rect, appState.fontSettings, kArticleViewCapacity);
  if (appState.articleView == nullptr) {
    if (surface != nullptr) platform::ReleaseWindowSurface(window, surface);
    return;
  }
  platform::HeapBuffer content = book::LoadBookRecord(appState.currentArticle, nullptr);
  if (!content) {
    platform::ShowMessageBox(window, resources::kMsgResourceNotFound, resources::kCaptionError,
                             platform::kMbIconExclamation);
    return;
  }
  view::LayoutText(appState.articleView, std::move(content), false);
  appState.articleView->topRow = appState.lastPosition;
  view::SyncScrollBar(window);
}

void ResizeArticleView(platform::WindowHandle window, platform::LParam packedSize) {
  view::TextView* articleView = appState.articleView;
  if (articleView == nullptr) return;
  const std::int32_t width = LessGutters(platform::LowWord(packedSize));
  const std::int32_t height = LessGutters(platform::HighWord(packedSize)) - appState.barHeight;
  if (articleView->width == width && articleView->height == height) return;
  view::ResizeTextView(articleView, width, height);
  view::SyncScrollBar(window);
}

void ApplyFontSettings(platform::WindowHandle window) {
  view::TextView* articleView = appState.articleView;
  if (articleView == nullptr) {
    view::SetTextViewFonts(articleView, &appState.fontSettings);
    return;
  }
  // The line at the top stays at the top in the new face or size: rows move,
  // the reader's place does not.
  const std::uint16_t place = view::TopLineOffset(*articleView);
  const std::uint16_t rowBefore = articleView->topRow;
  view::SetTextViewFonts(articleView, &appState.fontSettings);
  if (view::ScrollToTopLineOffset(articleView, place) == 1 && articleView->topRow != rowBefore) {
    view::PaintTextView(articleView, true);
  }
  view::SyncScrollBar(window);
}

void PaintMain(platform::Surface* surface, platform::WindowHandle window, std::uint32_t flags) {
  platform::Surface* begun = surface == nullptr ? platform::BeginPaint(window) : nullptr;
  if ((flags & kPaintView) != 0) {
    view::PaintTextView(appState.articleView, (flags & kPaintFill) != 0);
  }
  if (begun != nullptr) platform::EndPaint(window, begun);
}

void RepaintNow(platform::WindowHandle window, std::uint32_t flags) {
  if (window == nullptr) window = appState.mainWindow;
  platform::Surface* surface = platform::GetWindowSurface(window);
  PaintMain(surface, window, flags);
  if (surface != nullptr) platform::ReleaseWindowSurface(window, surface);
  view::SyncScrollBar(window);
}

}  // namespace velmora::shell
