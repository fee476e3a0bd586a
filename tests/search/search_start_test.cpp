// Where the first pass starts, from the view's top line and highlight.
#include <gtest/gtest.h>

#include <vector>

#include "book/book_format.h"
#include "search/search_engine.h"

namespace velmora::search {
namespace {

constexpr std::uint8_t kPlain = 0x01;
constexpr std::uint8_t kBlankAfter = 0x01 | book::StyleBlankRowAfter;

// Four lines: rows 0, 1 (and a blank row 2), 3 and 4.
view::TextView MakeView(std::uint16_t topRow, std::uint16_t lastTopRow, std::uint16_t start,
                        std::uint16_t end) {
  const std::vector<view::ViewLine> lines = {
      {2, 10, 0, 0, 0, 16, kPlain},
      {13, 10, 0, 0, 0, 16, kBlankAfter},
      {24, 10, 0, 0, 0, 16, kPlain},
      {35, 10, 0, 0, 0, 16, kPlain},
      {},
  };
  view::TextView view;
  view.lines = platform::HeapAllocateArray<view::ViewLine>(lines.size());
  std::copy(lines.begin(), lines.end(), view.lines.get());
  view.lineCount = 4;
  view.lineCapacity = 4;
  view.rowCount = 5;
  view.topRow = topRow;
  view.lastTopRow = lastTopRow;
  view.highlightStart = start;
  view.highlightEnd = end;
  return view;
}

TEST(ComputeSearchStartTest, FollowsTheTopLineAndTheHighlight) {
  struct Case {
    const char* name;
    std::uint16_t topRow, lastTopRow, start, end;
    std::uint16_t expected;
  };
  const Case cases[] = {
      {"scrolled away from the highlight: the top line's first character", 0, 2, 0, 0, 11},
      {"the blank row belongs to the line above", 2, 4, 40, 42, 33},
      {"the hit begins the top line: the end of the line below", 0, 2, 2, 5, 23},
      {"the hit begins the last line: the whole article", 4, 4, 35, 37, 0},
      {"the hit on the top line: the byte read after it", 0, 2, 5, 8, 4},
      {"at lastTopRow the highlight rules", 3, 3, 40, 42, 39},
      {"at lastTopRow without a highlight: beyond the article", 0, 0, 0, 0, 0xFFFF},
      {"a highlight ending right after the top line is on it", 0, 2, 9, 12, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ComputeSearchStart(MakeView(c.topRow, c.lastTopRow, c.start, c.end)), c.expected);
  }
}

TEST(ComputeSearchStartTest, AViewWithoutLinesStartsBeyondTheArticle) {
  view::TextView view;
  EXPECT_EQ(ComputeSearchStart(view), 0xFFFF);
}

}  // namespace
}  // namespace velmora::search
