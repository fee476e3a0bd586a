// Row arithmetic: the last top row for each view height, and the row of a
// stream offset.
#include <gtest/gtest.h>

#include "view_fixture.h"

namespace velmora::view {
namespace {

class RowsTest : public ViewTest {};

TEST_F(RowsTest, LastTopRowPutsTheEndAtTheBottom) {
  // Rows: 0 "aa", 1 blank, 2 "bb", 3 blank, 4 "cc"; 16 pixels each.
  const struct {
    std::int32_t height;
    int lastTopRow;
  } cases[] = {
      {1000, 0},
      {48, 2},
      // 40 pixels hold the blank row and "cc", not "bb" above them.
      {40, 3},
      {32, 3},
      {16, 4},
      // Smaller than the last line: no row fits.
      {10, 5},
  };
  MakeView({0, 0, 200, 400});
  ASSERT_EQ(Layout({{0x81, 0, "aa"}, {0x81, 0, "bb"}, {0x81, 0, "cc"}}), kViewDone);
  ASSERT_EQ(view_->rowCount, 5);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    view_->height = c.height;
    EXPECT_EQ(ComputeLastTopRow(view_), c.lastTopRow);
    EXPECT_EQ(view_->lastTopRow, c.lastTopRow);
  }
}

TEST_F(RowsTest, LastTopRowNeedsLines) {
  EXPECT_EQ(ComputeLastTopRow(nullptr), -1);
  MakeView({0, 0, 200, 400});
  EXPECT_EQ(ComputeLastTopRow(view_), -1);
}

TEST_F(RowsTest, ScrollToOffsetFindsTheFirstLineHoldingIt) {
  // Lines: "abcde" at 2..7 (row 0), "fgh" at 7..10 (row 1, blank row 2),
  // "ij" at 13..15 (row 3).
  const struct {
    const char* name;
    std::int32_t height;
    std::uint16_t offset;
    int result;
    std::uint16_t topRow;
  } cases[] = {
      {"FirstByte", 400, 2, 1, 0},        {"BoundaryTakesTheEarlierLine", 16, 7, 1, 0},
      {"SecondLine", 16, 8, 1, 1},        {"AfterTheBlankRow", 16, 13, 1, 3},
      {"EndOfTheLastLine", 16, 15, 1, 3}, {"AtMostTheLastTopRow", 32, 13, 1, 2},
      {"BetweenItems", 16, 11, 0, 9},     {"BeyondTheText", 16, 100, 0, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeView({0, 0, 40, c.height});
    ASSERT_EQ(Layout({{0x81, 0, "abcdefgh"}, {0x01, 0, "ij"}}), kViewDone);
    view_->topRow = 9;
    EXPECT_EQ(ScrollToOffset(view_, c.offset), c.result);
    EXPECT_EQ(view_->topRow, c.topRow);
  }
}

}  // namespace
}  // namespace velmora::view
