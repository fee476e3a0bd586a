// The program's values as the settings hold them: read at start, written at
// exit, and the current article they describe.
#pragma once

#include <cstdint>
#include <optional>

namespace velmora::settings {

// Reads the five device options (start-up, before the single-instance check).
void ReadDeviceOptions();

// The reads that fill FontSettings, SearchPattern, LastPosition, AppFlags and
// CurrentArticle, and nothing else: no write, no glyphs, no bookmarks. For
// start-up and for tools that show the stored state.
void ReadProgramValues();

// Writes "Program Path" (when the platform knows it), then ReadProgramValues.
// Marks the load as under way; FinishLoadingProgramValues marks it done
// unless an allocation failed meanwhile.
void LoadProgramValues();
void FinishLoadingProgramValues();

// Whether the state may be written back now: only once in a process, and
// only after a load that finished without running out of memory, since a
// load cut short leaves defaults in memory in place of values never read.
// Claims the one write: a second call answers false.
bool ClaimStateWrite();

// An allocation failed: a load under way is cut short (AllocOrAbort).
void NoteLoadAllocationFailure();

// Writes the state: "SearchString", "FontName", "FontSize", "FontAsciiBase"
// when set, "LastPosition" when the article view's `topRow` is given,
// "Flags", and "Lesson" when an article is current.
void WriteProgramValues(std::optional<std::uint16_t> topRow);

// Forgets that the values were loaded and written, as in a fresh process.
// Called by ResetAppState.
void ResetSettingsLifecycle();

// Sets the current article; 0 means "article 1 at its top unless one is
// set". A change of article resets LastPosition.
void SetCurrentArticle(std::uint16_t article);

}  // namespace velmora::settings
