// Line breaking of single items, in a view whose left edge is at x = 10 and
// whose characters are 8 pixels wide; then the items that shape each other:
// labels with their continuations, fonts, rules and blank rows.
#include <gtest/gtest.h>

#include <ostream>

#include "book/book_format.h"
#include "view_fixture.h"

namespace velmora::view {
namespace {

constexpr std::int32_t kViewX = 10;

struct ExpectedLine {
  std::uint16_t offset;  // relative to the item's text
  std::uint16_t length;
  std::uint16_t x;
  std::uint16_t gutter;
  std::uint16_t width;
};

struct BreakCase {
  const char* name;
  std::uint8_t style;
  std::uint8_t measure;
  std::int32_t viewWidth;
  std::string text;
  std::vector<ExpectedLine> lines;
};

std::ostream& operator<<(std::ostream& out, const BreakCase& c) { return out << c.name; }

class LayoutBreakTest : public ViewTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(LayoutBreakTest, PlacesEachLine) {
  const BreakCase& c = GetParam();
  MakeView({kViewX, 0, kViewX + c.viewWidth, 400});
  const Items items = {{c.style, c.measure, c.text}};
  ASSERT_EQ(Layout(items), kViewDone);

  const std::uint16_t base = TextOffsetOf(items, 0);
  const std::vector<ViewLine> lines = Lines();
  ASSERT_EQ(lines.size(), c.lines.size());
  EXPECT_EQ(view_->lineCount, c.lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(lines[i].offset, base + c.lines[i].offset);
    EXPECT_EQ(lines[i].length, c.lines[i].length);
    EXPECT_EQ(lines[i].x, c.lines[i].x);
    EXPECT_EQ(lines[i].gutter, c.lines[i].gutter);
    EXPECT_EQ(lines[i].width, c.lines[i].width);
    EXPECT_EQ(lines[i].height, kFontSize);
    EXPECT_EQ(lines[i].style, c.style);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Items, LayoutBreakTest,
    ::testing::Values(
        BreakCase{"FitsWhole", 0x01, 0, 80, "abc def", {{0, 7, 10, 0, 56}}},
        // 10 characters fit, the 11th is inside a word: back to the space
        // before it, which starts the next line and is skipped there.
        BreakCase{"BreaksAtLastSpace",
                  0x01,
                  0,
                  80,
                  "abcd efgh ijk",
                  {{0, 9, 10, 0, 72}, {10, 3, 10, 0, 24}}},
        BreakCase{"EndsRightBeforeASpace",
                  0x01,
                  0,
                  72,
                  "abcd efgh ijk",
                  {{0, 9, 10, 0, 72}, {10, 3, 10, 0, 24}}},
        // A verse label joined by a no-break space (0xA0) moves with its
        // word: the line breaks at the space before the label.
        BreakCase{"NoBreakSpaceKeepsTheLabelWithItsWord",
                  0x01,
                  0,
                  80,
                  "abcde (b)\xA0"
                  "fgh",
                  {{0, 5, 10, 0, 40}, {6, 7, 10, 0, 56}}},
        BreakCase{
            "KeepsTheHyphen", 0x01, 0, 80, "abc-defghijk", {{0, 4, 10, 0, 32}, {4, 8, 10, 0, 64}}},
        BreakCase{"CutsAWordWiderThanTheLine",
                  0x01,
                  0,
                  40,
                  "abcdefghijkl",
                  {{0, 5, 10, 0, 40}, {5, 5, 10, 0, 40}, {10, 2, 10, 0, 16}}},
        BreakCase{"NoBreakAfterALeadingHyphen",
                  0x01,
                  0,
                  40,
                  "-abcdefgh",
                  {{0, 5, 10, 0, 40}, {5, 4, 10, 0, 32}}},
        BreakCase{"SkipsLeadingSpaces", 0x01, 0, 80, "  abc", {{2, 3, 10, 0, 24}}},
        BreakCase{"RightAligned", 0x21, 0, 80, "abc", {{0, 3, 66, 0, 24}}},
        BreakCase{"Centred", 0x41, 0, 80, "abc", {{0, 3, 38, 0, 24}}},
        BreakCase{"AlignmentBitsBothSetIsLeft", 0x61, 0, 80, "abc", {{0, 3, 10, 0, 24}}},
        BreakCase{"LeftIndentNarrowsEveryLine",
                  0x01,
                  5,
                  80,
                  "abcdefghijkl",
                  {{0, 9, 15, 0, 72}, {9, 3, 15, 0, 24}}},
        BreakCase{"RightIndentIsARightMargin", 0x21, 5, 80, "abc", {{0, 3, 61, 0, 24}}},
        BreakCase{"CentredAfterTheIndent", 0x41, 6, 80, "abc", {{0, 3, 41, 0, 24}}},
        BreakCase{
            "IndentNotNarrowerThanTheViewIsDropped", 0x01, 63, 40, "abc", {{0, 3, 10, 0, 24}}},
        // Not one character fits: each line still takes one.
        BreakCase{"ViewNarrowerThanACharacter",
                  0x01,
                  0,
                  4,
                  "abc",
                  {{0, 1, 10, 0, 8}, {1, 1, 10, 0, 8}, {2, 1, 10, 0, 8}}},
        // Label code 1: a gutter of one maximum character width; the next
        // line hangs after it.
        BreakCase{"LabelHangsTheFollowingLines",
                  0x01,
                  0x40,
                  80,
                  "xy abcd efgh ijkl",
                  {{0, 9, 18, 8, 72}, {13, 4, 18, 0, 32}}},
        BreakCase{
            "LabelCodeTwoIsOneAndAHalfWidths", 0x01, 0x80, 80, "xy abc", {{0, 3, 22, 12, 24}}},
        BreakCase{"LabelCodeThreeIsTwoWidths", 0x01, 0xC0, 80, "xy abc", {{0, 3, 26, 16, 24}}},
        BreakCase{"LabelAfterTheIndent", 0x01, 0x44, 80, "xy abc", {{0, 3, 22, 8, 24}}},
        BreakCase{"LabelRightAligned", 0x21, 0x40, 80, "xy abc", {{0, 3, 58, 8, 24}}},
        BreakCase{"LabelAlone", 0x01, 0x40, 80, "xy", {{0, 0, 18, 8, 0}}},
        // Stored "ihg fed cba" reads "abc def ghi": the lines follow the
        // reading order, from the end of the stored text to its start.
        BreakCase{"ReversedReadsInOrder",
                  0x11,
                  0,
                  40,
                  "ihg fed cba",
                  {{8, 3, 10, 0, 24}, {4, 3, 10, 0, 24}, {0, 3, 10, 0, 24}}},
        // Stored "dcba yx" reads "xy abcd": the main run is stored first,
        // the label after it; the gutter lies right of the run.
        BreakCase{"ReversedLabelled", 0x31, 0xC0, 80, "dcba yx", {{0, 4, 42, 16, 32}}}),
    [](const ::testing::TestParamInfo<BreakCase>& param) { return param.param.name; });

TEST_F(LayoutBreakTest, MeasuresEachLineAtMostTwice) {
  MakeView({kViewX, 0, kViewX + 80, 400});
  platform::headless::ClearDrawCalls(surface_);
  ASSERT_EQ(Layout({{0x01, 0, "abcd efgh ijk abc-defghijk abcdefghijklmnop"}}), kViewDone);
  EXPECT_LE(platform::headless::FitTextCalls(surface_), 2 * view_->lineCount);
  EXPECT_LE(platform::headless::TextExtentCalls(surface_), 2 * view_->lineCount);
}

class LayoutItemsTest : public ViewTest {};

TEST_F(LayoutItemsTest, BlankRowFollowsOnlyTheLastLineOfAnItemAndNeverTheText) {
  MakeView({0, 0, 40, 400});
  ASSERT_EQ(Layout({{0x81, 0, "abcdefgh"}, {0x81, 0, "ab"}, {0x81, 0, "cd"}}), kViewDone);
  const std::vector<ViewLine> lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].style, 0x01);
  EXPECT_EQ(lines[1].style, 0x81);
  EXPECT_EQ(lines[2].style, 0x81);
  EXPECT_EQ(lines[3].style, 0x01);
  EXPECT_EQ(view_->rowCount, 6);  // four lines, two blank rows between items
}

TEST_F(LayoutItemsTest, TrailingSpacesStillEndTheItem) {
  MakeView({0, 0, 80, 400});
  ASSERT_EQ(Layout({{0x81, 0, "ab  "}, {0x01, 0, "cd"}}), kViewDone);
  const std::vector<ViewLine> lines = Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].style, 0x81);
  EXPECT_EQ(view_->rowCount, 3);
}

TEST_F(LayoutItemsTest, ContinuationKeepsTheLabelledIndentMovedByTheIndentDifference) {
  struct Case {
    const char* name;
    std::uint8_t labelledMeasure;
    std::uint8_t continuationMeasure;
    std::uint16_t labelledX;
    std::uint16_t continuationX;
  };
  const Case cases[] = {
      // Gutter 8 hangs the text at 8; the continuation's indent 2 adds 2.
      {"DeeperContinuation", 0x40, 0x42, 8, 10},
      // Indent 3 and gutter 8 hang at 11; indent 1 is 2 less.
      {"ShallowerContinuation", 0x43, 0x41, 11, 9},
      {"SameIndent", 0x42, 0x42, 10, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MakeView({0, 0, 200, 400});
    const Items items = {{0x01, c.labelledMeasure, "xy abcd"},
                         {0x01, c.continuationMeasure, " efgh"}};
    ASSERT_EQ(Layout(items), kViewDone);
    const std::vector<ViewLine> lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x, c.labelledX);
    EXPECT_EQ(lines[0].gutter, 8);
    EXPECT_EQ(lines[1].offset, TextOffsetOf(items, 1) + 1);
    EXPECT_EQ(lines[1].x, c.continuationX);
    EXPECT_EQ(lines[1].gutter, 0);
  }
}

TEST_F(LayoutItemsTest, FirstLineOfTheTextIsNeverAContinuation) {
  MakeView({0, 0, 200, 400});
  const Items items = {{0x01, 0x40, " xy abc"}};
  ASSERT_EQ(Layout(items), kViewDone);
  const std::vector<ViewLine> lines = Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].gutter, 8);
  EXPECT_EQ(lines[0].offset, TextOffsetOf(items, 0) + 1);  // the label, past the space
}

TEST_F(LayoutItemsTest, EachStyleKeyHasItsFontAndARuleTakesTheCurrentHeight) {
  MakeView({0, 0, 200, 400});
  // Key 0x14 is the larger size: 16 x 5/4 = 20; key 0x12 the smaller: 12.
  ASSERT_EQ(Layout({{0x01, 0, "ab"}, {0x14, 0, "cd"}, {0x07, 100, ""}, {0x12, 0x40, "xy ef"}}),
            kViewDone);
  const std::vector<ViewLine> lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].height, 16);
  EXPECT_EQ(lines[1].height, 20);
  EXPECT_EQ(lines[1].width, 20);  // 10-pixel characters
  EXPECT_EQ(lines[2].height, 20);
  EXPECT_EQ(lines[3].height, 12);
  EXPECT_EQ(lines[3].gutter, 6);  // one maximum character width of that font
}

struct RuleCase {
  const char* name;
  std::uint8_t style;
  std::uint8_t measure;
  bool makesLine;
  std::uint16_t x;
  std::uint16_t width;
};

TEST_F(LayoutItemsTest, RuleWidthsAndPlaces) {
  const RuleCase cases[] = {
      {"PixelWidth160", 0x07, 160, true, 10, 160},
      {"Percent100", 0x07, 210, true, 10, 200},
      {"Percent190CutToTheView", 0x07, 255, true, 10, 200},
      {"Percent20", 0x07, 170, true, 10, 40},
      {"RightAligned", 0x27, 100, true, 110, 100},
      {"Centred", 0x47, 100, true, 60, 100},
      {"WidthZeroMakesNothing", 0x07, 0, false, 0, 0},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.name);
    MakeView({kViewX, 0, kViewX + 200, 400});
    const Items items = {{c.style, c.measure, ""}, {0x01, 0, "ab"}};
    ASSERT_EQ(Layout(items), kViewDone);
    const std::vector<ViewLine> lines = Lines();
    ASSERT_EQ(lines.size(), c.makesLine ? 2u : 1u);
    if (!c.makesLine) continue;
    EXPECT_EQ(lines[0].offset, TextOffsetOf(items, 0));
    EXPECT_EQ(lines[0].length, 0);
    EXPECT_EQ(lines[0].x, c.x);
    EXPECT_EQ(lines[0].width, c.width);
    EXPECT_EQ(lines[0].height, 16);
    EXPECT_EQ(lines[0].style, c.style);
  }
}

TEST_F(LayoutItemsTest, RuleOfWidthZeroIsThreeBytesLong) {
  MakeView({0, 0, 200, 400});
  ASSERT_EQ(Layout({{0x07, 0, ""}, {0x01, 0, "abc"}}), kViewDone);
  const std::vector<ViewLine> lines = Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].offset, 5);
}

TEST_F(LayoutItemsTest, RuleWithBlankRowCountsIt) {
  MakeView({0, 0, 200, 400});
  ASSERT_EQ(Layout({{0x87, 50, ""}, {0x01, 0, "abc"}}), kViewDone);
  EXPECT_EQ(view_->lineCount, 2);
  EXPECT_EQ(view_->rowCount, 3);
}

TEST_F(LayoutItemsTest, TableGrowsBy128Lines) {
  MakeView({0, 0, 200, 400});
  ASSERT_EQ(view_->lineCapacity, 100);
  const Items items(130, test::ItemSpec{0x01, 0, "ab"});
  ASSERT_EQ(Layout(items), kViewDone);
  EXPECT_EQ(view_->lineCapacity, 228);
  EXPECT_EQ(view_->lineCount, 130);
  EXPECT_EQ(Lines().size(), 130u);
  EXPECT_EQ(Lines().back().offset, TextOffsetOf(items, 129));
}

TEST_F(LayoutItemsTest, ClearsTheHighlightAndKeepsTheTopRow) {
  MakeView({0, 0, 200, 400});
  ASSERT_EQ(Layout({{0x01, 0, "ab"}}), kViewDone);
  view_->highlightStart = 2;
  view_->highlightEnd = 3;
  view_->topRow = 7;
  ASSERT_EQ(Layout({{0x01, 0, "cd"}}), kViewDone);
  EXPECT_EQ(view_->highlightStart, 0);
  EXPECT_EQ(view_->highlightEnd, 0);
  EXPECT_EQ(view_->topRow, 7);
}

}  // namespace
}  // namespace velmora::view
