// The HeadingBox: which headings a stream has, and the box's frame, fill and
// text to the pixel. The box font (key 2 at size 16) is 12 pixels high with
// 6-pixel characters.
#include <gtest/gtest.h>

#include "view/heading_box.h"
#include "view_fixture.h"

namespace velmora::view {
namespace {

using platform::headless::DrawCall;
using platform::headless::DrawKind;

TEST(FindHeadingsTest, TitleOnlyFirstAndArticleHeadingFirstOrAfterIt) {
  const struct {
    const char* name;
    Items items;
    std::int32_t firstCount;   // -1: not found
    std::int32_t secondCount;  // -1: not found
  } cases[] = {
      {"ArticleHeading", {{0xD1, 0, "abc"}, {0xB1, 0, "x"}}, -1, 3},
      {"TitleAndArticleHeading", {{0xDC, 0, "ab"}, {0xD1, 0, "cde"}}, 2, 3},
      {"TitleAlone", {{0xDC, 0, "ab"}, {0xB1, 0, "x"}}, 2, -1},
      {"ArticleHeadingNotFirst", {{0xB1, 0, "x"}, {0xD1, 0, "y"}}, -1, -1},
      {"TitleNotFirst", {{0xD1, 0, "x"}, {0xDC, 0, "y"}}, -1, 1},
      {"SubheadingIsNoHeading", {{0xD2, 0, "x"}}, -1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::uint8_t> stream = test::MakeParagraphStream(c.items);
    HeadingRef first{7, 7, stream.data()};
    HeadingRef second{7, 7, stream.data()};
    FindHeadings(stream, &first, &second);
    EXPECT_EQ(first.text == nullptr ? -1 : first.count, c.firstCount);
    EXPECT_EQ(second.text == nullptr ? -1 : second.count, c.secondCount);
    EXPECT_EQ(first.width, 0);
    EXPECT_EQ(second.width, 0);
    if (c.firstCount >= 0) {
      EXPECT_EQ(first.text, stream.data() + TextOffsetOf(c.items, 0));
    }
  }
}

class HeadingBoxTest : public ViewTest {
 protected:
  void ExpectRect(const platform::Rect& box, const platform::Rect& expected) {
    EXPECT_EQ(box.left, expected.left);
    EXPECT_EQ(box.top, expected.top);
    EXPECT_EQ(box.right, expected.right);
    EXPECT_EQ(box.bottom, expected.bottom);
  }
};

TEST_F(HeadingBoxTest, FrameShrinksTheRectangleByItsThickness) {
  platform::Rect rect{0, 0, 10, 10};
  DrawFrame(surface_, &rect, platform::kColourRed, 2);
  ExpectRect(rect, {2, 2, 8, 8});
  const std::vector<DrawCall> outlines = Calls(DrawKind::kRectangle);
  ASSERT_EQ(outlines.size(), 2u);
  ExpectRect(outlines[0].box, {0, 0, 10, 10});
  ExpectRect(outlines[1].box, {1, 1, 9, 9});
  EXPECT_EQ(outlines[1].penColour, platform::kColourRed);
}

struct BoxText {
  std::string text;
  platform::Rect box;
};

TEST_F(HeadingBoxTest, BoxGeometry) {
  const struct {
    const char* name;
    std::int32_t viewWidth;
    Items items;
    platform::Rect outer;  // the box before its frame
    std::vector<BoxText> texts;
  } cases[] = {
      // 36 pixels of heading + 2 rows + 8 = 68, centred in 240.
      {"OneRow",
       240,
       {{0xD1, 0, "abcdef"}, {0xB1, 0, "x"}},
       {86, 276, 154, 298},
       {{"abcdef", {102, 281, 138, 293}}}},
      {"TwoRows",
       240,
       {{0xDC, 0, "ab"}, {0xD1, 0, "abcdef"}},
       {86, 264, 154, 298},
       {{"ab", {114, 269, 126, 281}}, {"abcdef", {102, 281, 138, 293}}}},
      // 15 characters are cut to the 10 that fit in 60 pixels; the box is as
      // wide as the view and the heading starts left of its inside.
      {"HeadingWiderThanTheView",
       60,
       {{0xD1, 0, "abcdefghijklmno"}},
       {0, 276, 60, 298},
       {{"abcdefghij", {0, 281, 60, 293}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeView({0, 0, c.viewWidth, 300});
    ASSERT_EQ(Layout(c.items), kViewDone);
    ClearCalls();
    ShowHeadingBox(view_);

    const platform::Colour bands[] = {platform::kColourRed, platform::kColourRed,
                                      platform::kColourWhite, platform::kColourBlue,
                                      platform::kColourBlue};
    const std::vector<DrawCall> outlines = Calls(DrawKind::kRectangle);
    ASSERT_EQ(outlines.size(), std::size(bands));
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(outlines.size()); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(outlines[i].penColour, bands[i]);
      ExpectRect(outlines[i].box,
                 {c.outer.left + i, c.outer.top + i, c.outer.right - i, c.outer.bottom - i});
    }
    const std::vector<DrawCall> fills = Calls(DrawKind::kFill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].brushColour, platform::kColourYellow);
    ExpectRect(fills[0].box,
               {c.outer.left + 5, c.outer.top + 5, c.outer.right - 5, c.outer.bottom - 5});

    const std::vector<DrawCall> texts = Calls(DrawKind::kTextInBox);
    ASSERT_EQ(texts.size(), c.texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      SCOPED_TRACE(c.texts[i].text);
      EXPECT_EQ(DrawnText(texts[i]), c.texts[i].text);
      ExpectRect(texts[i].box, c.texts[i].box);
      EXPECT_EQ(texts[i].textColour, platform::kColourRed);
      EXPECT_EQ(texts[i].backgroundColour, platform::kColourYellow);
      EXPECT_EQ(texts[i].fontHeight, 12);
    }
  }
}

TEST_F(HeadingBoxTest, NoHeadingNoBox) {
  MakeView({0, 0, 240, 300});
  ASSERT_EQ(Layout({{0xB1, 0, "abc"}, {0xD1, 0, "def"}}), kViewDone);
  ClearCalls();
  ShowHeadingBox(view_);
  EXPECT_TRUE(Calls().empty());
  ShowHeadingBox(nullptr);
}

}  // namespace
}  // namespace velmora::view
