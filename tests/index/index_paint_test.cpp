// Painting the list: each visible row in its box and colour, the entry
// glyphs, the fallback of a top row beyond the list, and scrolling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "index_fixture.h"
#include "resources/ids.h"

namespace velmora::index {
namespace {

using platform::headless::DrawCall;
using platform::headless::DrawKind;

constexpr platform::Rect kListRect{10, 20, 110, 220};

void ExpectBox(const platform::Rect& box, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) {
  EXPECT_EQ(box.left, left);
  EXPECT_EQ(box.top, top);
  EXPECT_EQ(box.right, right);
  EXPECT_EQ(box.bottom, bottom);
}

using PaintTest = IndexTest;

TEST_F(PaintTest, DrawsEachVisibleRowWithItsGlyph) {
  LoadGlyphs();
  MakeView(kListRect);
  ASSERT_EQ(Layout({Heading(16382, "ab"), Article(1, "xy"), Heading(16380, "cd", 0xCC),
                    BookmarkCopy(2, "ef")}),
            kIndexDone);
  ASSERT_EQ(PaintIndexView(view_, true), kIndexDone);

  ASSERT_FALSE(Calls().empty());
  EXPECT_EQ(Calls().front().kind, DrawKind::kFill);
  ExpectBox(Calls().front().box, 10, 20, 110, 220);

  // Headings: 12-pixel rows, 13 pixels in from the right edge, blue.
  // Articles: 10-pixel rows, 26 pixels in, black. The hidden article takes
  // no room.
  const std::vector<DrawCall> texts = Calls(DrawKind::kTextInBox);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(DrawnText(texts[0]), "ab");
  ExpectBox(texts[0].box, 85, 20, 97, 32);
  EXPECT_EQ(texts[0].textColour, platform::kColourBlue);
  EXPECT_EQ(texts[0].fontWeight, platform::kWeightBold);
  EXPECT_EQ(DrawnText(texts[1]), "cd");
  ExpectBox(texts[1].box, 85, 32, 97, 44);
  EXPECT_EQ(DrawnText(texts[2]), "ef");
  ExpectBox(texts[2].box, 74, 44, 84, 54);
  EXPECT_EQ(texts[2].textColour, platform::kColourBlack);
  EXPECT_EQ(texts[2].fontHeight, kPlainHeight);

  // Glyphs 4 pixels right of the text, centred in a row higher than 9.
  const std::vector<DrawCall> glyphs = Calls(DrawKind::kBitmap);
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(glyphs[0].bitmapId, resources::kBitmapGlyphCollapsed);
  ExpectBox(glyphs[0].box, 101, 21, 110, 30);
  EXPECT_EQ(glyphs[1].bitmapId, resources::kBitmapGlyphExpanded);
  ExpectBox(glyphs[1].box, 101, 33, 110, 42);
  EXPECT_EQ(glyphs[2].bitmapId, resources::kBitmapGlyphArticle);
  ExpectBox(glyphs[2].box, 88, 44, 97, 53);

  EXPECT_EQ(view_->rowsPainted, 3);
  EXPECT_EQ(platform::GetTextColour(surface_), platform::kColourBlack);
}

TEST_F(PaintTest, WithoutEraseOnlyTheRowsAreDrawn) {
  MakeView(kListRect);
  ASSERT_EQ(Layout({Heading(16382, "ab")}), kIndexDone);
  ASSERT_EQ(PaintIndexView(view_, false), kIndexDone);
  EXPECT_TRUE(Calls(DrawKind::kFill).empty());
  EXPECT_EQ(Calls(DrawKind::kTextInBox).size(), 1u);
  // No glyph bitmaps loaded: none drawn.
  EXPECT_TRUE(Calls(DrawKind::kBitmap).empty());
}

TEST_F(PaintTest, TheGlyphStandsAtTheFirstPaintedRowOfEachEntry) {
  LoadGlyphs();
  // A list 41 wide: the article's rows hold 3 characters, so "abc def ghi"
  // takes three rows.
  MakeView({0, 0, 41, 200});
  ASSERT_EQ(Layout({BookmarkCopy(1, "abc def ghi"), BookmarkCopy(2, "xy")}), kIndexDone);
  ASSERT_EQ(view_->lineCount, 4);

  PaintIndexView(view_, true);
  std::vector<DrawCall> glyphs = Calls(DrawKind::kBitmap);
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs[0].box.top, 0);
  EXPECT_EQ(glyphs[1].box.top, 30);

  // Scrolled by one row, the entry's second row is the first painted: it
  // carries the glyph.
  ClearCalls();
  view_->topRow = 1;
  PaintIndexView(view_, true);
  glyphs = Calls(DrawKind::kBitmap);
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs[0].box.top, 0);
  EXPECT_EQ(glyphs[0].box.left, 41 - 26 + 4);
  EXPECT_EQ(DrawnText(Calls(DrawKind::kTextInBox)[0]), "def");
}

TEST_F(PaintTest, OnlyWholeRowsArePaintedAndCounted) {
  MakeView({0, 0, 100, 25});
  ASSERT_EQ(Layout({BookmarkCopy(1, "ab"), BookmarkCopy(2, "cd"), BookmarkCopy(3, "ef")}),
            kIndexDone);
  ASSERT_EQ(PaintIndexView(view_, true), kIndexDone);
  EXPECT_EQ(Calls(DrawKind::kTextInBox).size(), 2u);
  EXPECT_EQ(view_->rowsPainted, 2);
}

TEST_F(PaintTest, NothingToPaintWithoutABuffer) {
  MakeView(kListRect);
  EXPECT_EQ(PaintIndexView(view_, true), kIndexMissing);
  EXPECT_EQ(PaintIndexView(nullptr, true), kIndexMissing);
  EXPECT_TRUE(Calls().empty());
}

struct TopRowCase {
  const char* name;
  std::uint16_t topRow;
  std::uint16_t painted;  // topRow after the paint
  const char* firstText;
};

// Ten visible rows in a list four rows high: lastTopRow 6.
const TopRowCase kTopRowCases[] = {
    {"WithinTheListStays", 3, 3, "d"},
    {"BetweenLastTopRowAndTheEndStays", 8, 8, "i"},
    {"AtTheEndStays", 10, 10, nullptr},
    {"BeyondTheVisibleRowsFallsBackToLastTopRow", 11, 6, "g"},
};

class TopRowTest : public IndexTest, public ::testing::WithParamInterface<TopRowCase> {};

TEST_P(TopRowTest, Paint) {
  const TopRowCase& c = GetParam();
  MakeView({0, 0, 100, 40});
  Entries entries;
  for (std::uint16_t n = 0; n < 10; ++n) {
    entries.push_back(BookmarkCopy(n + 1, std::string(1, static_cast<char>('a' + n))));
    entries.push_back(Article(n + 20, "zz"));  // hidden
  }
  ASSERT_EQ(Layout(entries), kIndexDone);
  ASSERT_EQ(view_->lastTopRow, 6);
  view_->topRow = c.topRow;
  ASSERT_EQ(PaintIndexView(view_, true), kIndexDone);
  EXPECT_EQ(view_->topRow, c.painted);
  const std::vector<DrawCall> texts = Calls(DrawKind::kTextInBox);
  if (c.firstText == nullptr) {
    EXPECT_TRUE(texts.empty());
  } else {
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(DrawnText(texts[0]), c.firstText);
  }
}

INSTANTIATE_TEST_SUITE_P(Paint, TopRowTest, ::testing::ValuesIn(kTopRowCases),
                         [](const auto& param) { return std::string(param.param.name); });

struct ScrollCase {
  const char* name;
  std::uint16_t from;
  std::int32_t delta;
  std::uint16_t to;
  int code;
};

// lastTopRow 6, as above.
const ScrollCase kScrollCases[] = {
    {"DownOneRow", 0, +1, 1, kIndexDone},
    {"UpFromTheTopDoesNothing", 0, -1, 0, kIndexUnmoved},
    {"DownStopsAtLastTopRow", 4, +5, 6, kIndexDone},
    {"DownFromLastTopRowDoesNothing", 6, +1, 6, kIndexUnmoved},
    {"UpStopsAtTheTop", 3, -10, 0, kIndexDone},
    {"UpFromBeyondLastTopRowLandsAtMostThere", 9, -1, 6, kIndexDone},
    {"NoDeltaDoesNothing", 2, 0, 2, kIndexUnmoved},
};

class ScrollTest : public IndexTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(ScrollTest, Scroll) {
  const ScrollCase& c = GetParam();
  MakeView({0, 0, 100, 40});
  Entries entries;
  for (std::uint16_t n = 1; n <= 10; ++n) entries.push_back(BookmarkCopy(n, "ab"));
  ASSERT_EQ(Layout(entries), kIndexDone);
  view_->topRow = c.from;
  EXPECT_EQ(ScrollIndexView(view_, c.delta), c.code);
  EXPECT_EQ(view_->topRow, c.to);
  // Only a move paints, with the background filled first.
  EXPECT_EQ(Calls(DrawKind::kFill).size(), c.code == kIndexDone ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Scroll, ScrollTest, ::testing::ValuesIn(kScrollCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ScrollWithoutView, IsRefused) { EXPECT_EQ(ScrollIndexView(nullptr, 1), kIndexMissing); }

}  // namespace
}  // namespace velmora::index
