#include "shell/state_shares.h"

#include <array>

#include "index/bookmarks.h"
#include "platform/surface.h"
#include "resources/ids.h"
#include "search/search_engine.h"
#include "shell/article_window.h"
#include "shell/bars.h"
#include "shell/app_state.h"
#include "shell/settings.h"
#include "view/text_view.h"

namespace velmora::shell {
namespace {

constexpr std::array<std::uint16_t, kGlyphCount> kGlyphBitmaps = {
    resources::kBitmapGlyphCollapsed, resources::kBitmapGlyphExpanded,
    resources::kBitmapGlyphArticle};

void LoadGlyphs() {
  for (int i = 0; i < kGlyphCount; ++i) appState.glyphs[i] = platform::LoadBitmap(kGlyphBitmaps[i]);
}

void DeleteGlyphs() {
  for (platform::Bitmap*& glyph : appState.glyphs) {
    if (glyph != nullptr) platform::DeleteBitmap(glyph);
    glyph = nullptr;
  }
}

std::uint16_t ArticleViewTopRow() { return appState.articleView->topRow; }

void DestroyArticleView() {
  view::DestroyTextView(appState.articleView, true);
  appState.articleView = nullptr;
}

void SaveAndFreeBookmarks() {
  index::SaveBookmarks();
  index::FreeBookmarks();
}

void RepaintMainNow() { RepaintNow(nullptr, kPaintAll); }

void SyncMainBookmarkCheck() { SyncBookmarkCheck(appState.mainWindow, CheckMode::kSet); }

}  // namespace

void InstallShellStateShares() {
  settings::StateShares shares;
  shares.loadGlyphs = LoadGlyphs;
  shares.deleteGlyphs = DeleteGlyphs;
  shares.articleViewTopRow = ArticleViewTopRow;
  shares.destroyArticleView = DestroyArticleView;
  shares.loadBookmarks = index::LoadBookmarks;
  shares.saveAndFreeBookmarks = SaveAndFreeBookmarks;
  settings::InstallStateShares(shares);
  search::InstallSearchShares({RepaintMainNow, SyncMainBookmarkCheck});
}

}  // namespace velmora::shell
