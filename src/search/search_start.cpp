#include "book/book_format.h"
#include "search/search_engine.h"

namespace velmora::search {
namespace {

// A line takes one row, two when an empty row follows it.
std::uint32_t RowsOf(const view::ViewLine& line) {
  return (line.style & book::StyleBlankRowAfter) != 0 ? 2 : 1;
}

}  // namespace

std::uint16_t ComputeSearchStart(const view::TextView& view) {
  constexpr std::uint16_t kBeyondArticle = 0xFFFF;
  if (!view.lines) return kBeyondArticle;
  // The top line: the first at which the rows before it reach topRow; the
  // terminator ends the walk.
  const view::ViewLine* top = view.lines.get();
  for (std::uint32_t rows = 0; top->style != 0 && rows < view.topRow; ++top) rows += RowsOf(*top);
  const std::uint32_t s = top->offset;
  const std::uint32_t n = top->length;
  const std::uint16_t h0 = view.highlightStart;
  const std::uint32_t h1 = view.highlightEnd;
  if ((h1 < s || h1 > s + n) && view.topRow < view.lastTopRow) {
    return static_cast<std::uint16_t>(s + n - 1);
  }
  if (h0 == s) {
    if (top->style == 0) return 0;
    const view::ViewLine& below = top[1];
    return static_cast<std::uint16_t>(below.offset + below.length);
  }
  return static_cast<std::uint16_t>(h0 - 1);
}

}  // namespace velmora::search
