// The search engine: the whole book searched for the SearchPattern, from the
// place the article view shows on, article after article with wrap-around,
// and the hit shown highlighted with the HeadingBox.
//
// Paragraph text is stored in display order, so reading order runs from a
// Paragraph's highest offset down to its first text byte. Every Paragraph is
// scanned from high offsets to low ones, and the pattern is held in stored
// order: its first byte meets the lowest offset of a match.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/window_handle.h"
#include "view/text_view.h"

namespace velmora::search {

// In every position but the last, '?' matches any one byte and '*' any run
// of bytes (the empty run included). The last byte is always compared as
// it is.
inline constexpr std::uint8_t kAnyByte = '?';
inline constexpr std::uint8_t kAnyRun = '*';

// One Paragraph of the stream being searched: where its style byte and the
// NUL ending its text lie.
struct ParagraphSpan {
  ParagraphSpan* next = nullptr;
  const std::uint8_t* style = nullptr;
  const std::uint8_t* nul = nullptr;
};

// The spans of every item of `stream`, in stream order, up to its zero style
// byte or the first item that does not lie wholly inside it. Each record
// comes from AllocOrAbort: when the heap is dry the program is already on
// its way out, the spans made are released and *outOfMemory is set.
ParagraphSpan* BuildParagraphSpans(std::span<const std::uint8_t> stream, bool* outOfMemory);
// Releases every span of the list, in order.
void FreeParagraphSpans(ParagraphSpan* spans);

// The matcher for one Paragraph whose first text byte is `first`: the
// occurrence of `pattern` whose highest matched byte is highest, at `from`
// or below (never below `first`). Returns that byte's position and stores the
// match length (lowest matched byte to highest, both included); nullptr when
// nothing matches or the pattern is empty. A '*' takes the nearest prefix
// occurrence below it.
const std::uint8_t* MatchBackward(const std::uint8_t* first, std::span<const std::uint8_t> pattern,
                                  const std::uint8_t* from, std::uint16_t* length);

// Searches one ParagraphStream from stream offset `start` downward in the
// Paragraph holding it, then every later Paragraph whole; a start on a
// Paragraph's style byte takes that Paragraph whole, a start on its measure
// byte (read right after a hit at its first text byte) takes it as finished.
// Returns the hit offset (of the highest matched byte; 0: no hit) and stores
// the hit length. *outOfMemory (when given) is set when the spans could not
// be made: the search is to be abandoned.
std::uint16_t FindInArticle(std::span<const std::uint8_t> stream, std::uint16_t start,
                            std::span<const std::uint8_t> pattern, std::uint16_t* hitLength,
                            bool* outOfMemory = nullptr);

// Where the first pass over the view's stream starts: the first character
// read on the top line once the reader has scrolled the highlight off it
// (and is not at lastTopRow); the end of the line below when the hit begins
// the top line; else the byte read right after the highlight (65535, beyond
// any article, when there is none). A view without lines starts beyond the
// article.
std::uint16_t ComputeSearchStart(const view::TextView& view);

// The SearchPattern in appState as bytes, without its NUL (at most 33).
std::span<const std::uint8_t> StoredPattern();

// What showing a hit needs of the main window, installed by the shell: an
// immediate repaint with the scroll bar brought up to date, and the Bookmark
// check mark. An absent share is skipped.
struct SearchShares {
  void (*repaintNow)() = nullptr;
  void (*syncBookmarkCheck)() = nullptr;
};
void InstallSearchShares(const SearchShares& shares);

// Runs the whole search for the SearchPattern over the article view:
// the rest of the article shown, the following articles (after the last
// comes the first), then the article shown again whole. A hit becomes the
// current article, scrolled to, highlighted, with the HeadingBox; returns
// true. False for an empty pattern, no view, or no hit; no hit shows "Not
// Found!" owned by `owner`, and nothing on screen changes.
bool SearchBook(platform::WindowHandle owner);

}  // namespace velmora::search
