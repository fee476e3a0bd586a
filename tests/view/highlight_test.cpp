// The search highlight: exactly the stored bytes of the range, clipped to
// each run, drawn in blue on yellow over the painted lines.
#include <gtest/gtest.h>

#include "view/paint.h"
#include "view_fixture.h"

namespace velmora::view {
namespace {

using platform::headless::DrawCall;
using platform::headless::DrawKind;

struct Highlighted {
  std::string text;
  platform::Rect box;
};

struct HighlightCase {
  const char* name;
  std::int32_t viewWidth;
  Items items;
  std::uint16_t start;
  std::uint16_t end;
  std::vector<Highlighted> expected;
};

class HighlightTest : public ViewTest {
 protected:
  std::vector<DrawCall> HighlightDraws() const {
    std::vector<DrawCall> draws;
    for (const DrawCall& call : Calls(DrawKind::kTextInBox)) {
      if (call.backgroundColour == platform::kColourYellow) draws.push_back(call);
    }
    return draws;
  }
};

TEST_F(HighlightTest, PaintsTheRangeClippedToEachRun) {
  const HighlightCase cases[] = {
      // Offsets 10..14 are text bytes 8..12 of the item at offset 2.
      {"InsideOneLine",
       200,
       {{0x01, 0, "abcdefghijklmnopqrst"}},
       10,
       15,
       {{"ijklm", {74, 20, 114, 36}}}},
      // "abcde" holds 2..7, "fghij" 8..13.
      {"AcrossALineBreak",
       48,
       {{0x01, 0, "abcde fghij"}},
       5,
       10,
       {{"de", {34, 20, 50, 36}}, {"fg", {10, 36, 26, 52}}}},
      {"TouchingTheEndOfALineDrawsNothingThere",
       48,
       {{0x01, 0, "abcde fghij"}},
       7,
       9,
       {{"f", {10, 36, 18, 52}}}},
      // Reversed, stored "dcba yx": one stored byte of the run is in the
      // range, and the label is highlighted whole.
      {"ReversedLabelledLineWholeLabel",
       200,
       {{0x31, 0xC0, "dcba yx"}},
       2,
       3,
       {{"yx", {194, 20, 210, 36}}, {"d", {162, 20, 170, 36}}}},
      // In reading order the label is a run of its own, clipped as any.
      {"ReadingOrderLabelClipped", 200, {{0x01, 0xC0, "xy abc"}}, 3, 4, {{"y", {18, 20, 26, 36}}}},
      {"OutsideEveryLine", 200, {{0x81, 0, "ab"}, {0x01, 0, "cd"}}, 20, 30, {}},
  };
  for (const HighlightCase& c : cases) {
    SCOPED_TRACE(c.name);
    MakeView({10, 20, 10 + c.viewWidth, 420});
    ASSERT_EQ(Layout(c.items), kViewDone);
    view_->highlightStart = c.start;
    view_->highlightEnd = c.end;
    ClearCalls();
    ASSERT_EQ(PaintTextView(view_, true), kViewDone);
    const std::vector<DrawCall> draws = HighlightDraws();
    ASSERT_EQ(draws.size(), c.expected.size());
    for (std::size_t i = 0; i < draws.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(DrawnText(draws[i]), c.expected[i].text);
      EXPECT_EQ(draws[i].textColour, platform::kColourBlue);
      EXPECT_EQ(draws[i].box.left, c.expected[i].box.left);
      EXPECT_EQ(draws[i].box.top, c.expected[i].box.top);
      EXPECT_EQ(draws[i].box.right, c.expected[i].box.right);
      EXPECT_EQ(draws[i].box.bottom, c.expected[i].box.bottom);
    }
  }
}

TEST_F(HighlightTest, DrawnOverThePaintedLineInItsFont) {
  MakeView({10, 20, 210, 420});
  ASSERT_EQ(Layout({{0x81, 0, "ab"}, {0x14, 0, "cdef"}}), kViewDone);
  view_->highlightStart = 7;
  view_->highlightEnd = 9;
  ClearCalls();
  ASSERT_EQ(PaintTextView(view_, true), kViewDone);
  const std::vector<DrawCall>& calls = Calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().backgroundColour, platform::kColourYellow);
  EXPECT_EQ(calls.back().fontHeight, 20);
  // The colours are the surface's again afterwards.
  const std::uint8_t run[] = "x";
  DrawRun(surface_, run, 1, 0, 0, 8, 16);
  EXPECT_EQ(Calls().back().textColour, platform::kColourBlack);
  EXPECT_EQ(Calls().back().backgroundColour, platform::kColourWhite);
}

TEST_F(HighlightTest, NothingWithoutText) {
  EXPECT_EQ(PaintHighlight(nullptr), kViewMissing);
  MakeView({10, 20, 210, 420});
  EXPECT_EQ(PaintHighlight(view_), kViewMissing);
}

}  // namespace
}  // namespace velmora::view
