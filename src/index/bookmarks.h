// Bookmarks: the list of bookmarked article numbers in appState (in the order
// added, then a 0), stored as "Bookmarks" between runs, and the Bookmarks
// section that heads the table of contents. Every operation acts on
// CurrentArticle, never on a number passed in.
#pragma once

#include <cstdint>

#include "book/book_format.h"
#include "platform/memory.h"

namespace velmora::index {

// The Bookmarks section, in the index entry format: a heading, then a copy
// of the index entry of each bookmarked article found in the index.
// A heading number that no stored heading uses (they count down from 16382).
inline constexpr std::uint16_t kBookmarksHeadingNumber = 0x0877;
inline constexpr std::uint16_t kBookmarksHeadingId = book::kIdHeading | kBookmarksHeadingNumber;
// Visible, expanded, plain font: drawn black, unlike the book's headings.
inline constexpr std::uint8_t kBookmarksHeadingStyle =
    book::kIndexStyleVisible | book::kIndexStyleExpanded | book::kArticleEntryStyle;
inline constexpr char kBookmarksHeadingText[] = "jiyu";  // LetterCode bytes
inline constexpr std::uint32_t kBookmarksHeadingSize =
    book::kEntryHeaderSize + sizeof kBookmarksHeadingText;  // text and NUL
// A copied entry differs from the index's own in being visible at first, and
// in its text, which names the article's section first: article names repeat
// from section to section.
inline constexpr std::uint8_t kBookmarkEntryStyle =
    book::kIndexStyleVisible | book::kArticleEntryStyle;
// Between the section's name and the article's (display order; it reads the
// same both ways).
inline constexpr char kBookmarkSectionSeparator[] = " - ";
inline constexpr std::uint32_t kBookmarkSectionSeparatorLength =
    sizeof kBookmarkSectionSeparator - 1;

// bookmarkPromptFlags bit 0: remove bookmarks without asking.
inline constexpr std::uint16_t kRemoveWithoutAsking = 0x0001;

// Replaces the list with the stored "Bookmarks" (none when absent). The
// stored values are taken whole: a trailing odd byte is ignored, and a list
// whose last value is not 0 keeps every value and gets its 0 added. Nothing
// past the stored bytes is read. A full heap ends the program (AllocOrAbort),
// so that the stored list is never overwritten by one that was not read.
void LoadBookmarks();

// Writes the list and its 0 as "Bookmarks" (REG_BINARY, 16-bit values
// little-endian); two zero bytes without a list. The result is ignored.
void SaveBookmarks();

// Frees the list; no list and a count of 0 afterwards.
void FreeBookmarks();

// Whether CurrentArticle is in the list (false without a list).
bool IsBookmarked();

// Appends CurrentArticle unless it is in the list already. A full heap (or a
// list of 65535 numbers) leaves the list as it was.
void AddBookmark();

// Removes every occurrence of CurrentArticle from the list, compacting it in
// place. Nothing happens without a list.
void RemoveBookmark();

// The Bookmark command; `bookmarked` is IsBookmarked(). Adds CurrentArticle,
// or removes it: at once once the reader asked not to be asked again,
// otherwise after "Remove Bookmark?" (owned by the main window): Yes removes,
// No keeps, Cancel removes and stops the question for the rest of the run.
void ToggleBookmark(bool bookmarked);

// Puts the Bookmarks section in front of `index` (the book index or none)
// and returns the joined buffer, whose size counts every byte up to and with
// the five-byte end mark; the input is freed. Returns `index` unchanged
// without bookmarks, when the heap is dry, or when the joined buffer would
// exceed the kMaxIndexBytes that the IndexView addresses (16-bit offsets).
// Without an index the section is the heading alone. Numbers without an
// index entry produce no row. A row's text is the article entry's, preceded
// in reading order by the name of the nearest heading before that entry and
// kBookmarkSectionSeparator (stored after them, the text being in display
// order); an entry with no heading before it keeps its own text alone.
// `index` is read only inside its `size` bytes.
platform::HeapBuffer PrependBookmarks(platform::HeapBuffer index);

}  // namespace velmora::index
