// The Choose Article dialog (template 118, "Choose Section"): a full-screen
// IndexView of the Bookmarks section and the book index, the current
// article uncovered under its heading. Taps anywhere on a row open and close
// headings or choose an article, whose number goes back to the main window.
// A keyboard cursor, starting on the current article, moves with the arrow,
// page, Home and End keys; Return acts on its row, or opens the article whose
// number was typed.
#pragma once

#include <cstdint>

#include "index/index_view.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window_handle.h"
#include "state/app_state.h"

namespace velmora::index {

// The number of rows the dialog's list starts with room for.
inline constexpr std::uint16_t kChooseArticleRows = 100;

// The dialog's state: one instance, cleared at each opening.
struct ChooseArticleState {
  std::uint16_t result = 0;  // the article to hand back; the current one at first
  platform::WindowHandle window = nullptr;
  platform::Surface* dc = nullptr;             // the dialog's surface, held while it runs
  platform::Rect listRect;                     // the client area less the scroll bar's width
  IndexView* view = nullptr;                   // owned
  const FontSettings* fontSettings = nullptr;  // copied by the view
};

// The state of the dialog running now (or of the last one).
const ChooseArticleState& ChooseArticleDialogState();

// Runs the dialog modally over `parentWindow` and returns the article to
// show: the tapped article; `currentArticle` after OK, or when the dialog
// cannot be shown; 0 after Cancel.
std::uint16_t ChooseArticle(platform::WindowHandle parentWindow, std::uint16_t currentArticle,
                            const FontSettings* fontSettings);

// The dialog procedure.
std::intptr_t ChooseArticleDialogProc(platform::WindowHandle dialog, std::uint32_t message,
                                      platform::WParam wParam, platform::LParam lParam);

// Shows the list's range 0..lastTopRow and topRow on the dialog's vertical
// scroll bar; nothing before the list exists.
void SyncIndexScrollBar();

}  // namespace velmora::index
