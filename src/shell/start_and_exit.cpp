#include "shell/start_and_exit.h"

#include <array>
#include <optional>

#include "index/bookmarks.h"
#include "platform/message_loop.h"
#include "platform/surface.h"
#include "resources/ids.h"
#include "shell/window_place.h"
#include "state/alloc_or_abort.h"
#include "state/app_state.h"
#include "state/settings.h"
#include "view/text_view.h"

namespace velmora::shell {
namespace {

constexpr std::array<std::uint16_t, kGlyphCount> kGlyphBitmaps = {resources::kBitmapGlyphCollapsed,
                                                                  resources::kBitmapGlyphExpanded,
                                                                  resources::kBitmapGlyphArticle};

bool saving = false;  // SaveSettingsAndQuit is under way

void LoadGlyphs() {
  for (int i = 0; i < kGlyphCount; ++i) appState.glyphs[i] = platform::LoadBitmap(kGlyphBitmaps[i]);
}

void DeleteGlyphs() {
  for (platform::Bitmap*& glyph : appState.glyphs) {
    if (glyph != nullptr) platform::DeleteBitmap(glyph);
    glyph = nullptr;
  }
}

}  // namespace

void LoadSettings() {
  settings::SetOutOfMemoryHandler(SaveSettingsAndQuit);
  settings::LoadProgramValues();
  LoadGlyphs();
  index::LoadBookmarks();
  settings::FinishLoadingProgramValues();
}

void SaveSettingsAndQuit() {
  if (saving) return;
  saving = true;
  const bool write = settings::ClaimStateWrite();
  DeleteGlyphs();
  if (write) {
    std::optional<std::uint16_t> topRow;
    if (appState.articleView != nullptr) topRow = appState.articleView->topRow;
    settings::WriteProgramValues(topRow);
    StoreWindowPlace(appState.mainWindow);
  }
  if (appState.articleView != nullptr) {
    view::DestroyTextView(appState.articleView, true);
    appState.articleView = nullptr;
  }
  if (write) {
    index::SaveBookmarks();
    index::FreeBookmarks();
  }
  platform::PostQuitMessage(settings::kOrderlyExitCode);
  saving = false;
}

void ReleaseLoadedSettings() {
  DeleteGlyphs();
  index::FreeBookmarks();
}

}  // namespace velmora::shell
