// Painting a laid-out view: where each run, label and rule is drawn, from
// which row, in which font and colour, and how many rows count as painted.
#include <gtest/gtest.h>

#include "view/paint.h"
#include "view_fixture.h"

namespace velmora::view {
namespace {

using platform::headless::DrawCall;
using platform::headless::DrawKind;

constexpr platform::Rect kViewRect{10, 20, 210, 420};

class PaintTest : public ViewTest {
 protected:
  std::vector<DrawCall> Texts() const { return Calls(DrawKind::kTextInBox); }
};

void ExpectBox(const platform::Rect& box, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) {
  EXPECT_EQ(box.left, left);
  EXPECT_EQ(box.top, top);
  EXPECT_EQ(box.right, right);
  EXPECT_EQ(box.bottom, bottom);
}

TEST_F(PaintTest, FillsThenDrawsEachRowInItsBox) {
  MakeView(kViewRect);
  ASSERT_EQ(Layout({{0x81, 0, "abc"}, {0x21, 0, "de"}, {0x47, 100, ""}}), kViewDone);
  ASSERT_EQ(PaintTextView(view_, true), kViewDone);

  ASSERT_FALSE(Calls().empty());
  EXPECT_EQ(Calls().front().kind, DrawKind::kFill);
  EXPECT_EQ(Calls().front().brushColour, platform::kColourWhite);
  ExpectBox(Calls().front().box, 10, 20, 210, 420);

  const std::vector<DrawCall> texts = Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(DrawnText(texts[0]), "abc");
  ExpectBox(texts[0].box, 10, 20, 34, 36);
  EXPECT_EQ(DrawnText(texts[1]), "de");
  ExpectBox(texts[1].box, 194, 52, 210, 68);  // after the blank row, right-aligned

  // The rule: one black pixel row halfway down its 16-pixel row.
  const std::vector<DrawCall> rules = Calls(DrawKind::kRectangle);
  ASSERT_EQ(rules.size(), 1u);
  ExpectBox(rules[0].box, 60, 76, 160, 77);
  EXPECT_EQ(rules[0].brushColour, platform::kColourBlack);
  EXPECT_EQ(view_->rowsPainted, 4);
}

TEST_F(PaintTest, WithoutFillDrawsOnlyTheRows) {
  MakeView(kViewRect);
  ASSERT_EQ(Layout({{0x01, 0, "abc"}}), kViewDone);
  ASSERT_EQ(PaintTextView(view_, false), kViewDone);
  EXPECT_TRUE(Calls(DrawKind::kFill).empty());
  EXPECT_EQ(Texts().size(), 1u);
}

TEST_F(PaintTest, EachStyleInItsFontAndColour) {
  MakeView(kViewRect);
  // 0x0C and 0x1C are larger and bold: blue. 0x04 is only larger: black.
  ASSERT_EQ(Layout({{0x01, 0, "ab"}, {0x0C, 0, "cd"}, {0x04, 0, "ef"}, {0x1C, 0, "gh"}}),
            kViewDone);
  ASSERT_EQ(PaintTextView(view_, true), kViewDone);
  const struct {
    platform::Colour colour;
    std::int32_t height;
    std::int32_t weight;
  } expected[] = {
      {platform::kColourBlack, 16, 400},
      {platform::kColourBlue, 20, 700},
      {platform::kColourBlack, 20, 400},
      {platform::kColourBlue, 20, 700},
  };
  const std::vector<DrawCall> texts = Texts();
  ASSERT_EQ(texts.size(), std::size(expected));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(texts[i].textColour, expected[i].colour);
    EXPECT_EQ(texts[i].backgroundColour, platform::kColourWhite);
    EXPECT_EQ(texts[i].fontHeight, expected[i].height);
    EXPECT_EQ(texts[i].fontWeight, expected[i].weight);
  }
}

TEST_F(PaintTest, LeavesTheSurfaceFontAndColourAsItFoundThem) {
  MakeView(kViewRect);
  ASSERT_EQ(Layout({{0x0C, 0, "ab"}}), kViewDone);
  ASSERT_EQ(PaintTextView(view_, true), kViewDone);
  ClearCalls();
  const std::uint8_t run[] = "xy";
  DrawRun(surface_, run, 2, 0, 0, 16, 16);
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_EQ(Texts()[0].fontHeight, platform::headless::kHeadlessDefaultHeight);
  EXPECT_EQ(Texts()[0].fontWeight, 400);
  EXPECT_EQ(Texts()[0].textColour, platform::kColourBlack);
}

TEST_F(PaintTest, StartsAtTheTopRow) {
  // Rows: 0 "aa", 1 blank, 2 "bb", 3 blank, 4 "cc".
  const struct {
    const char* name;
    std::uint16_t topRow;
    std::int32_t height;
    const char* firstText;
    std::int32_t firstTop;
    std::int32_t rowsPainted;
    std::uint16_t topRowAfter;
  } cases[] = {
      {"FirstRow", 0, 400, "aa", 20, 5, 0},
      {"BlankRowStartsOneRowDown", 1, 400, "bb", 36, 3, 1},
      {"LineAfterABlankRow", 2, 400, "bb", 20, 3, 2},
      {"BeyondTheRowsFallsBackToTheLastTopRow", 9, 32, "cc", 36, 1, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeView({10, 20, 210, 20 + c.height});
    ASSERT_EQ(Layout({{0x81, 0, "aa"}, {0x81, 0, "bb"}, {0x01, 0, "cc"}}), kViewDone);
    view_->topRow = c.topRow;
    ClearCalls();
    ASSERT_EQ(PaintTextView(view_, true), kViewDone);
    ASSERT_FALSE(Texts().empty());
    EXPECT_EQ(DrawnText(Texts()[0]), c.firstText);
    EXPECT_EQ(Texts()[0].box.top, c.firstTop);
    EXPECT_EQ(view_->rowsPainted, c.rowsPainted);
    EXPECT_EQ(view_->topRow, c.topRowAfter);
  }
}

TEST_F(PaintTest, DrawsOnlyWholeRowsAndCountsACutBlankRow) {
  const struct {
    const char* name;
    std::int32_t height;
    std::size_t texts;
    std::int32_t rowsPainted;
  } cases[] = {
      {"BlankRowCutByTheBottom", 24, 1, 2},
      {"NextLineDoesNotFit", 40, 1, 2},
      {"ViewShorterThanALine", 10, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeView({10, 20, 210, 20 + c.height});
    ASSERT_EQ(Layout({{0x81, 0, "aa"}, {0x01, 0, "bb"}}), kViewDone);
    ClearCalls();
    ASSERT_EQ(PaintTextView(view_, true), kViewDone);
    EXPECT_EQ(Texts().size(), c.texts);
    EXPECT_EQ(view_->rowsPainted, c.rowsPainted);
  }
}

TEST_F(PaintTest, LabelsStandInTheirGutter) {
  const struct {
    const char* name;
    std::uint8_t style;
    std::uint8_t measure;
    const char* text;
    const char* label;
    platform::Rect labelBox;
    const char* run;
    platform::Rect runBox;
  } cases[] = {
      // Gutter 16 left of the run, the label at its left edge.
      {"ReadingOrder", 0x01, 0xC0, "xy abc", "xy", {10, 20, 26, 36}, "abc", {26, 20, 50, 36}},
      // Stored "dcba yx": the label follows the run in stored order and ends
      // at the right edge of the gutter, right of the run.
      {"Reversed", 0x31, 0xC0, "dcba yx", "yx", {194, 20, 210, 36}, "dcba", {162, 20, 194, 36}},
      // A gutter of 8 holds one character of the label.
      {"LabelCutToTheGutter",
       0x01,
       0x40,
       "xyz abc",
       "x",
       {10, 20, 18, 36},
       "abc",
       {18, 20, 42, 36}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeView(kViewRect);
    ASSERT_EQ(Layout({{c.style, c.measure, c.text}}), kViewDone);
    ClearCalls();
    ASSERT_EQ(PaintTextView(view_, true), kViewDone);
    const std::vector<DrawCall> texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(DrawnText(texts[0]), c.label);
    ExpectBox(texts[0].box, c.labelBox.left, c.labelBox.top, c.labelBox.right, c.labelBox.bottom);
    EXPECT_EQ(DrawnText(texts[1]), c.run);
    ExpectBox(texts[1].box, c.runBox.left, c.runBox.top, c.runBox.right, c.runBox.bottom);
  }
}

TEST_F(PaintTest, NothingWithoutViewOrText) {
  EXPECT_EQ(PaintTextView(nullptr, true), kViewMissing);
  MakeView(kViewRect);
  EXPECT_EQ(PaintTextView(view_, true), kViewMissing);
  EXPECT_TRUE(Calls().empty());
}

}  // namespace
}  // namespace velmora::view
