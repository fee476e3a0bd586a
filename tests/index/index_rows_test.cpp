// Which rows show: uncovering the current article, opening and closing
// headings, the hit test of a tap, and the expansion carried across a new
// layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "index/index_rows.h"
#include "index_fixture.h"
#include "resources/ids.h"

namespace velmora::index {
namespace {

using Texts = std::vector<std::string>;

constexpr std::uint16_t kFirstHeading = 0x8000 | 16382;
constexpr std::uint16_t kSecondHeading = 0x8000 | 16378;

// Two sections as the book index stores them.
Entries Book() {
  return {Heading(16382, "aa bb"), Article(1, "cc"), Article(2, "dd"), Article(3, "ee"),
          Heading(16378, "ff"),    Article(4, "gg"), Article(5, "hh")};
}

Entries WithBookmarks(Entries bookmarks, const Entries& index) {
  bookmarks.insert(bookmarks.begin(), BookmarksHeading());
  bookmarks.insert(bookmarks.end(), index.begin(), index.end());
  return bookmarks;
}

class RowsTest : public IndexTest {
 protected:
  // The book in a list 100 x 200: every entry on one row.
  void LayOutBook(const Entries& entries = Book(), std::int32_t width = 100) {
    MakeView({0, 0, width, 200});
    ASSERT_EQ(Layout(entries), kIndexDone);
  }
  bool Expanded(std::int32_t row) const { return (view_->lines[row].flags & kRowExpanded) != 0; }
};

struct UncoverCase {
  const char* name;
  Entries entries;
  std::uint16_t article;
  Texts visible;
};

const UncoverCase kUncoverCases[] = {
    {"TheArticleAndTheNextOfItsSection", Book(), 2, {"aa bb", "dd", "ee", "ff"}},
    {"TheFirstArticle", Book(), 1, {"aa bb", "cc", "dd", "ff"}},
    {"TheLastOfASectionAlone", Book(), 3, {"aa bb", "ee", "ff"}},
    {"TheLastOfTheList", Book(), 5, {"aa bb", "ff", "hh"}},
    {"ArticleZeroUncoversNothing", Book(), 0, {"aa bb", "ff"}},
    {"AnArticleNotInTheIndexUncoversNothing", Book(), 9, {"aa bb", "ff"}},
    {"ABookmarkedArticleUncoversNothing",
     WithBookmarks({BookmarkCopy(2, "dd")}, Book()),
     2,
     {"jiyu", "dd", "aa bb", "ff"}},
    {"AHiddenHeadingAboveIsShownToo",
     {Heading(16382, "aa", 0x0C), Article(1, "cc"), Heading(16380, "ff")},
     1,
     {"aa", "cc", "ff"}},
};

class UncoverTest : public RowsTest, public ::testing::WithParamInterface<UncoverCase> {};

TEST_P(UncoverTest, Uncover) {
  const UncoverCase& c = GetParam();
  LayOutBook(c.entries);
  UncoverArticle(view_, c.article);
  EXPECT_EQ(VisibleTexts(), c.visible);
  EXPECT_EQ(view_->visibleRows, c.visible.size());
  // Headings shown stay collapsed; the list stays at its top.
  for (const IndexLine& row : Rows()) {
    if ((row.id & book::kIdHeading) != 0 && row.id != 0x8877) {
      EXPECT_EQ(row.flags & kRowExpanded, 0);
    }
  }
  EXPECT_EQ(view_->topRow, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, UncoverTest, ::testing::ValuesIn(kUncoverCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(RowsTest, UncoverShowsEveryRowOfAWrappedArticleAndUpdatesLastTopRow) {
  // A list 36 wide: article rows hold 2 characters.
  MakeView({0, 0, 36, 30});
  ASSERT_EQ(Layout({Heading(16382, "a"), Article(1, "cc dd ee"), Article(2, "ff")}), kIndexDone);
  ASSERT_EQ(view_->lastTopRow, 0);
  UncoverArticle(view_, 1);
  EXPECT_EQ(VisibleTexts(), (Texts{"a", "ee", "dd", "cc", "ff"}));
  // Five visible rows in a list 30 high: the last three fit.
  EXPECT_EQ(view_->lastTopRow, 2);
}

TEST_F(RowsTest, ToggleOpensAPartlyUncoveredSectionWholeAndClosesItWhole) {
  LayOutBook();
  UncoverArticle(view_, 2);
  EXPECT_EQ(ToggleHeading(view_, 0), -16382);
  EXPECT_TRUE(Expanded(0));
  EXPECT_EQ(VisibleTexts(), (Texts{"aa bb", "cc", "dd", "ee", "ff"}));
  EXPECT_EQ(ToggleHeading(view_, 0), -16382);
  EXPECT_FALSE(Expanded(0));
  EXPECT_EQ(VisibleTexts(), (Texts{"aa bb", "ff"}));
  EXPECT_EQ(view_->visibleRows, 2);
}

TEST_F(RowsTest, ToggleRepaintsTheList) {
  LayOutBook();
  ClearCalls();
  ToggleHeading(view_, RowOf(kSecondHeading));
  EXPECT_EQ(Calls(platform::headless::DrawKind::kFill).size(), 1u);
  EXPECT_EQ(view_->rowsPainted, 4);
}

TEST_F(RowsTest, EachRowOfAWrappedHeadingKeepsItsOwnBit) {
  LoadGlyphs();
  // A list 40 wide: "aa bb" in the larger font takes two rows, "bb" first.
  LayOutBook(Book(), 40);
  ASSERT_EQ(RowText(view_->lines[0]), "bb");
  ASSERT_EQ(RowText(view_->lines[1]), "aa");

  // The second row opens the section; only its own bit is set.
  EXPECT_EQ(ToggleHeading(view_, 1), -16382);
  EXPECT_FALSE(Expanded(0));
  EXPECT_TRUE(Expanded(1));
  EXPECT_EQ(VisibleTexts(), (Texts{"bb", "aa", "cc", "dd", "ee", "ff"}));
  // The glyph shows the bit of the entry's first painted row.
  ClearCalls();
  PaintIndexView(view_, true);
  EXPECT_EQ(Calls(platform::headless::DrawKind::kBitmap)[0].bitmapId,
            resources::kBitmapGlyphCollapsed);

  // The first row, collapsed, opens (nothing more to show); then closes,
  // passing over the heading's second row to the section.
  ToggleHeading(view_, 0);
  EXPECT_EQ(VisibleTexts(), (Texts{"bb", "aa", "cc", "dd", "ee", "ff"}));
  ToggleHeading(view_, 0);
  EXPECT_FALSE(Expanded(0));
  EXPECT_TRUE(Expanded(1));
  EXPECT_EQ(VisibleTexts(), (Texts{"bb", "aa", "ff"}));
}

TEST_F(RowsTest, AHeadingWithNoRowsBeneathLeavesTheRestOfTheList) {
  // Bookmarks none of which the index holds: the heading alone, expanded.
  LayOutBook(WithBookmarks({}, Book()));
  UncoverArticle(view_, 2);
  const Texts before = VisibleTexts();
  EXPECT_EQ(ToggleHeading(view_, 0), -0x0877);
  EXPECT_EQ(VisibleTexts(), before);
  EXPECT_EQ(ToggleHeading(view_, 0), -0x0877);
  EXPECT_EQ(VisibleTexts(), before);
}

TEST_F(RowsTest, ClosingTheBookmarksSectionHidesOnlyItsEntries) {
  LayOutBook(WithBookmarks({BookmarkCopy(4, "gg"), BookmarkCopy(2, "dd")}, Book()));
  ASSERT_EQ(VisibleTexts(), (Texts{"jiyu", "gg", "dd", "aa bb", "ff"}));
  ToggleHeading(view_, 0);
  EXPECT_EQ(VisibleTexts(), (Texts{"jiyu", "aa bb", "ff"}));
  ToggleHeading(view_, 0);
  EXPECT_EQ(VisibleTexts(), (Texts{"jiyu", "gg", "dd", "aa bb", "ff"}));
}

TEST_F(RowsTest, RevealWalksOneEntryEitherWay) {
  MakeView({0, 0, 36, 200});
  ASSERT_EQ(Layout({Article(1, "aa bb cc"), Article(2, "dd")}), kIndexDone);
  RevealEntry(view_, 2, -1);  // from the entry's last row up
  EXPECT_EQ(VisibleTexts(), (Texts{"cc", "bb", "aa"}));
  RevealEntry(view_, 3, +1);
  EXPECT_EQ(view_->visibleRows, 4);
  RevealEntry(view_, 4, +1);  // the end row: nothing
  RevealEntry(view_, -1, +1);
  EXPECT_EQ(view_->visibleRows, 4);
}

// The book with article 2 uncovered, in a list 100 x 200:
//   "aa bb"  x 57..87, y  0..12  (heading, larger font)
//   "dd"     x 64..74, y 12..22
//   "ee"     x 64..74, y 22..32
//   "ff"     x 75..87, y 32..44  (heading)
struct HitCase {
  const char* name;
  std::int32_t px, py;
  std::uint16_t topRow;
  std::int32_t result;
};

const HitCase kHitCases[] = {
    {"TheLeftEndOfAnArticlesText", 64, 15, 0, 2},
    {"TheRightEndOfAnArticlesGlyph", 87, 15, 0, 2},
    {"RightOfAnArticlesGlyphTheRowStill", 88, 15, 0, 2},
    {"LeftOfAnArticlesTextTheRowStill", 0, 15, 0, 2},
    {"TheBorderBelongsToTheUpperRow", 64, 22, 0, 2},
    {"BelowTheBorderTheLowerRow", 64, 23, 0, 3},
    {"AHeadingsTextToggles", 57, 5, 0, -16382},
    {"AHeadingTogglesUpToTheListsEdge", 100, 5, 0, -16382},
    {"LeftOfAHeadingsTextTogglesToo", 0, 5, 0, -16382},
    {"BelowTheRows", 64, 50, 0, kHitBelowRows},
    {"OutsideTheListRight", 101, 5, 0, 0},
    {"OutsideTheListBelow", 64, 201, 0, 0},
    {"ScrolledTheFirstRowIsTheArticle", 64, 5, 1, 2},
};

class HitTest : public RowsTest, public ::testing::WithParamInterface<HitCase> {};

TEST_P(HitTest, Tap) {
  const HitCase& c = GetParam();
  LayOutBook();
  UncoverArticle(view_, 2);
  view_->topRow = c.topRow;
  EXPECT_EQ(HitTestIndex(view_, c.px, c.py), c.result);
  EXPECT_EQ(Expanded(0), c.result == -16382);
}

INSTANTIATE_TEST_SUITE_P(Rows, HitTest, ::testing::ValuesIn(kHitCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(RowsTest, ATapBelowTheRowsThatFitIsBelowTheRows) {
  MakeView({0, 0, 100, 30});
  ASSERT_EQ(Layout(Book()), kIndexDone);
  UncoverArticle(view_, 2);
  // 12 + 10 pixels fit; "ee" does not.
  EXPECT_EQ(HitTestIndex(view_, 64, 25), kHitBelowRows);
  EXPECT_EQ(HitTestIndex(nullptr, 64, 25), 0);
}

TEST_F(RowsTest, SaveExpansionRecordsEachVisibleEntryOnce) {
  MakeView({0, 0, 36, 200});
  ASSERT_EQ(
      Layout({Heading(16382, "a"), Article(1, "cc dd"), Article(2, "ee"), Heading(16380, "f")}),
      kIndexDone);
  UncoverArticle(view_, 1);
  ToggleHeading(view_, RowOf(0x8000 | 16380));
  const ExpansionState state = SaveExpansion(view_);
  ASSERT_TRUE(state);
  const std::vector<std::pair<std::uint16_t, std::uint16_t>> expected = {
      {0x8000 | 16382, 0}, {0x4001, 0}, {0x4002, 0}, {0x8000 | 16380, kRowExpanded}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(state[i].id, expected[i].first);
    EXPECT_EQ(state[i].expanded, expected[i].second);
  }
  EXPECT_EQ(state[expected.size()].id, 0);
}

TEST_F(RowsTest, NothingToSaveWithoutVisibleRows) {
  MakeView({0, 0, 100, 200});
  ASSERT_EQ(Layout({Article(1, "cc")}), kIndexDone);
  EXPECT_FALSE(SaveExpansion(view_));
  EXPECT_FALSE(SaveExpansion(nullptr));
}

TEST_F(RowsTest, ExpansionIsCarriedAcrossANewLayout) {
  LayOutBook();
  UncoverArticle(view_, 2);
  ToggleHeading(view_, RowOf(kSecondHeading));
  const Texts before = VisibleTexts();
  ASSERT_EQ(before, (Texts{"aa bb", "dd", "ee", "ff", "gg", "hh"}));

  const ExpansionState state = SaveExpansion(view_);
  // Narrower: the first heading now takes two rows.
  ASSERT_EQ(ResizeIndexView(view_, 40, 200), kIndexDone);
  ASSERT_EQ(VisibleTexts(), (Texts{"bb", "aa", "ff"}));
  RestoreExpansion(view_, state.get());
  EXPECT_EQ(VisibleTexts(), (Texts{"bb", "aa", "dd", "ee", "ff", "gg", "hh"}));
  EXPECT_TRUE(Expanded(RowOf(kSecondHeading)));
  EXPECT_FALSE(Expanded(RowOf(kFirstHeading)));
  EXPECT_EQ(view_->visibleRows, 7);
}

TEST_F(RowsTest, RestoringOnlyAddsToWhatTheLayoutShows) {
  LayOutBook(WithBookmarks({BookmarkCopy(4, "gg")}, Book()));
  ToggleHeading(view_, 0);  // the reader closes the Bookmarks section
  ASSERT_EQ(VisibleTexts(), (Texts{"jiyu", "aa bb", "ff"}));
  const ExpansionState state = SaveExpansion(view_);
  ASSERT_EQ(ResizeIndexView(view_, 90, 200), kIndexDone);
  RestoreExpansion(view_, state.get());
  EXPECT_EQ(VisibleTexts(), (Texts{"jiyu", "gg", "aa bb", "ff"}));
  EXPECT_TRUE(Expanded(0));
}

TEST_F(RowsTest, RestoreSearchesOnlyForward) {
  LayOutBook();
  // Recorded out of list order: the second heading first, then article 2,
  // which lies before it and is no longer found.
  const ExpansionPair state[] = {{kSecondHeading, kRowExpanded}, {0x4002, 0}, {}};
  RestoreExpansion(view_, state);
  EXPECT_TRUE(Expanded(RowOf(kSecondHeading)));
  EXPECT_EQ(VisibleTexts(), (Texts{"aa bb", "ff"}));
}

}  // namespace
}  // namespace velmora::index
