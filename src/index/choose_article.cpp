#include "index/choose_article.h"

#include "book/book_format.h"
#include "book/record.h"
#include "index/bookmarks.h"
#include "index/index_cursor.h"
#include "index/index_rows.h"
#include "index/index_view.h"
#include "platform/dialog.h"
#include "platform/window.h"
#include "resources/article_count.h"
#include "resources/ids.h"
#include "state/screen.h"
#include "view/text_view.h"

namespace velmora::index {
namespace {

ChooseArticleState state;

// The client area less the width of a vertical scroll bar at its right,
// where the platform puts the dialog's bar.
platform::Rect ListRect(platform::WindowHandle dialog) {
  platform::Rect rect = platform::GetClientRect(dialog);
  rect.right -= platform::GetSystemMetric(platform::SM_CXVSCROLL);
  return rect;
}

// WM_INITDIALOG: the list built from the index and the bookmarks, the current
// article uncovered.
void OpenChooseArticle(platform::WindowHandle dialog) {
  state.window = dialog;
  state.dc = platform::GetWindowSurface(dialog);
  state.listRect = ListRect(dialog);

  platform::HeapBuffer buffer = book::LoadBookRecord(book::IndexRecordNumber, nullptr);
  buffer = PrependBookmarks(std::move(buffer));
  const FontSettings settings =
      state.fontSettings != nullptr ? *state.fontSettings : FontSettings{};
  state.view = CreateIndexView(state.dc, state.listRect, settings, kChooseArticleRows);
  LayoutIndex(state.view, std::move(buffer), false);
  UncoverArticle(state.view, state.result);
  PlaceIndexCursor(state.view, state.result);
  SyncIndexScrollBar();

  screen::InitDialogScreen(dialog, screen::kFullScreenDialogFlags);
}

// WM_SIZE: the list laid out for the new size, keeping what the reader opened.
void SizeChooseArticle(platform::LParam lParam) {
  if (state.view == nullptr) return;
  state.listRect = ListRect(state.window);
  ExpansionState expansion = SaveExpansion(state.view);
  const std::int32_t cursorEntry = CursorEntryIndex(*state.view);
  // The scroll bar lies over the client area's right edge: the list keeps
  // clear of it, as listRect does.
  const std::int32_t width = platform::LowWord(static_cast<platform::WParam>(lParam)) -
                             platform::GetSystemMetric(platform::SM_CXVSCROLL);
  const std::int32_t height = platform::HighWord(static_cast<platform::WParam>(lParam));
  ResizeIndexView(state.view, width, height);
  RestoreExpansion(state.view, expansion.get());
  expansion.reset();
  SetCursorEntryIndex(state.view, cursorEntry);
  if (state.view->lastTopRow == 0) state.view->topRow = 0;
  PaintIndexView(state.view, true);
  SyncIndexScrollBar();
}

void EraseList(platform::Surface* surface) {
  const platform::Rect& rect = state.listRect;
  if (surface != nullptr) {
    view::FillViewRect(surface, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                       platform::StockBrush::kWhite);
  }
  platform::InvalidateRect(state.window, &rect, false);
}

// Digits of an article number: enough for any number the book can have.
constexpr std::size_t kMaxTypedDigits = 5;

// Return: the typed number opens its article when the book has it (and is
// forgotten otherwise); without one, the cursor's heading opens or closes
// and the cursor's article is chosen.
void ChooseByKeyboard() {
  IndexView& view = *state.view;
  if (!view.typedNumber.empty()) {
    std::uint32_t number = 0;
    for (char16_t digit : view.typedNumber) number = number * 10 + (digit - u'0');
    view.typedNumber.clear();
    if (number >= 1 && number <= ArticleCount) {
      state.result = static_cast<std::uint16_t>(number);
      platform::EndDialog(state.window, platform::IDOK);
      return;
    }
    PaintIndexView(&view, true);
    return;
  }
  if (!view.hasCursor || view.cursorRow >= view.lineCount) return;
  const IndexLine& row = view.lines[view.cursorRow];
  if ((row.flags & kRowVisible) == 0) return;
  if ((row.id & book::kIdHeading) != 0) {
    ToggleHeading(&view, view.cursorRow);
    SyncIndexScrollBar();
    return;
  }
  state.result = static_cast<std::uint16_t>(row.id & book::kIdNumber);
  platform::EndDialog(state.window, platform::IDOK);
}

void TypeDigit(std::uint32_t key) {
  IndexView& view = *state.view;
  if (key == platform::VK_BACK) {
    if (view.typedNumber.empty()) return;
    view.typedNumber.pop_back();
  } else {
    if (view.typedNumber.size() >= kMaxTypedDigits) return;
    view.typedNumber.push_back(static_cast<char16_t>(u'0' + (key - platform::VK_DIGIT_0)));
  }
  PaintIndexView(&view, true);
}

// WM_KEYDOWN: the cursor keys move the cursor, scrolling as needed; digits,
// Backspace and Return choose by number or by the cursor.
bool HandleListKey(platform::WParam wParam) {
  if (state.view == nullptr) return false;
  const auto key = static_cast<std::uint32_t>(wParam);
  switch (key) {
    case platform::VK_UP:
      MoveIndexCursor(state.view, CursorMove::kUp);
      break;
    case platform::VK_DOWN:
      MoveIndexCursor(state.view, CursorMove::kDown);
      break;
    case platform::VK_PRIOR:
      MoveIndexCursor(state.view, CursorMove::kPageUp);
      break;
    case platform::VK_NEXT:
      MoveIndexCursor(state.view, CursorMove::kPageDown);
      break;
    case platform::VK_HOME:
      MoveIndexCursor(state.view, CursorMove::kHome);
      break;
    case platform::VK_END:
      MoveIndexCursor(state.view, CursorMove::kEnd);
      break;
    case platform::VK_RETURN:
      ChooseByKeyboard();
      return true;
    case platform::VK_BACK:
      TypeDigit(key);
      return true;
    default:
      if (key >= platform::VK_DIGIT_0 && key <= platform::VK_DIGIT_0 + 9) {
        TypeDigit(key);
        return true;
      }
      return false;
  }
  SyncIndexScrollBar();
  return true;
}

// The rows a WM_VSCROLL request moves by; 0 for none.
std::int32_t ScrollDelta(platform::WParam wParam) {
  if (state.view == nullptr) return 0;
  const IndexView& view = *state.view;
  switch (platform::LowWord(wParam)) {
    case platform::SB_LINEUP:
      return -1;
    case platform::SB_LINEDOWN:
      return +1;
    case platform::SB_PAGEUP:
      return -view.rowsPainted;
    case platform::SB_PAGEDOWN:
      return view.rowsPainted;
    case platform::SB_THUMBPOSITION:
    case platform::SB_THUMBTRACK:
      return static_cast<std::int16_t>(platform::HighWord(wParam)) - view.topRow;
    case platform::SB_TOP:
      return -view.topRow;
    case platform::SB_BOTTOM:
      return +1;
    default:
      return 0;
  }
}

void TapList(platform::LParam lParam) {
  const auto point = static_cast<platform::WParam>(lParam);
  const auto px = static_cast<std::int16_t>(platform::LowWord(point));
  const auto py = static_cast<std::int16_t>(platform::HighWord(point));
  const std::int32_t hit = HitTestIndex(state.view, px, py);
  if (hit > 0) {
    state.result = static_cast<std::uint16_t>(hit);
    platform::EndDialog(state.window, platform::IDOK);
  } else if (hit < 0) {
    SyncIndexScrollBar();
  }
}

}  // namespace

const ChooseArticleState& ChooseArticleDialogState() { return state; }

void SyncIndexScrollBar() {
  if (state.view == nullptr) return;
  platform::ScrollBarState bar;
  bar.maximum = state.view->lastTopRow;
  bar.position = state.view->topRow;
  platform::SetVerticalScrollBar(state.window, bar, true);
}

std::intptr_t ChooseArticleDialogProc(platform::WindowHandle dialog, std::uint32_t message,
                                      platform::WParam wParam, platform::LParam lParam) {
  switch (message) {
    case platform::WM_INITDIALOG:
      OpenChooseArticle(dialog);
      return 0;
    case platform::WM_SIZE:
      SizeChooseArticle(lParam);
      return 0;
    case platform::WM_ACTIVATE:
      screen::HideTaskbarOnActivation(wParam);
      return 0;
    case platform::WM_PAINT:
      // The default handling then marks the dialog painted.
      PaintIndexView(state.view, true);
      return 0;
    case platform::WM_ERASEBKGND:
      EraseList(reinterpret_cast<platform::Surface*>(wParam));
      return 1;
    case platform::WM_GETDLGCODE:
      // Return reaches the list as a key, to choose, rather than ending the
      // dialog as OK.
      return platform::DLGC_WANTALLKEYS;
    case platform::WM_KEYDOWN:
      return HandleListKey(wParam) ? 1 : 0;
    case platform::WM_VSCROLL:
      if (const std::int32_t delta = ScrollDelta(wParam); delta != 0) {
        ScrollIndexView(state.view, delta);
        SyncIndexScrollBar();
      }
      return 1;
    case platform::WM_LBUTTONDOWN:
      TapList(lParam);
      return 1;
    // The code a dialog ends with is not read: the result travels in the state.
    case platform::WM_COMMAND:
      switch (platform::LowWord(wParam)) {
        case platform::IDOK:
          platform::EndDialog(dialog, platform::IDOK);
          return 1;
        case platform::IDCANCEL:
          state.result = 0;
          platform::EndDialog(dialog, platform::IDCANCEL);
          return 1;
        default:
          return 0;
      }
    case platform::WM_DESTROY:
      platform::ReleaseWindowSurface(state.window, state.dc);
      state.dc = nullptr;
      DestroyIndexView(state.view, true);
      state.view = nullptr;
      return 1;
    default:
      return 0;
  }
}

std::uint16_t ChooseArticle(platform::WindowHandle parentWindow, std::uint16_t currentArticle,
                            const FontSettings* fontSettings) {
  state = ChooseArticleState{};
  state.result = currentArticle;
  state.fontSettings = fontSettings;
  platform::DialogBoxParam(resources::kDialogChooseArticle, parentWindow, ChooseArticleDialogProc,
                           0);
  return state.result;
}

}  // namespace velmora::index
