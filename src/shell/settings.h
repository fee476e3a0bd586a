// The program's state at start and exit, and the allocation whose failure
// ends the program.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora::settings {

// The shares of start-up and exit that belong to the article view and the
// bookmarks. Their subsystems install them; an absent share is skipped.
struct StateShares {
  void (*loadGlyphs)() = nullptr;      // LoadSettings step 5
  void (*deleteGlyphs)() = nullptr;    // SaveSettingsAndQuit step 1
  void (*loadBookmarks)() = nullptr;   // LoadSettings step 6
  // SaveSettingsAndQuit step 5: the article view's top row (view present).
  std::uint16_t (*articleViewTopRow)() = nullptr;
  // SaveSettingsAndQuit step 8: destroy the article view and forget it.
  void (*destroyArticleView)() = nullptr;
  // SaveSettingsAndQuit step 9: write "Bookmarks", then free the list.
  void (*saveAndFreeBookmarks)() = nullptr;
};

// Installs the shares, replacing those installed before.
void InstallStateShares(const StateShares& shares);

// Reads the five device options (start-up, before the single-instance check).
void ReadDeviceOptions();

// Loads the program's values into appState, in the stored order. Writes
// "Program Path" first; then ReadProgramValues, the glyphs and the bookmarks.
void LoadSettings();

// The reads of LoadSettings that fill FontSettings, SearchPattern,
// LastPosition, AppFlags and CurrentArticle, and nothing else: no write, no
// glyphs, no bookmarks. For tools that show the stored state.
void ReadProgramValues();

// Deletes the glyphs, writes the state back, destroys the article view,
// saves and frees the bookmarks, and posts the quit message (exit code 0).
// The state is written only by the first run in a process, and only after a
// LoadSettings that finished without running out of memory: a load cut short
// (or never run) leaves every stored value, "Bookmarks" included, as it was,
// since memory then holds defaults in place of values never read; the
// bookmark share is then not run at all. A later run (the window destroyed
// after an out-of-memory exit) only deletes the glyphs and destroys the view
// if they are held again, and posts the quit message again; a run started
// while one is under way (an allocation failing inside it) does nothing.
void SaveSettingsAndQuit();

// Forgets that LoadSettings and SaveSettingsAndQuit ran, as in a fresh
// process; the installed shares stay. Called by ResetAppState.
void ResetSettingsLifecycle();

// Sets the current article; 0 means "article 1 at its top unless one is
// set". A change of article resets LastPosition.
void SetCurrentArticle(std::uint16_t article);

// Returns an uninitialised heap block, or, when the heap is dry, shows "There
// is not enough memory, aborting", runs SaveSettingsAndQuit and returns
// nullptr. The caller never uses a missing block.
void* AllocOrAbort(std::size_t bytes);

}  // namespace velmora::settings
