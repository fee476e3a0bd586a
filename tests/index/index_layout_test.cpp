// Laying the index out: rows broken from the end of each entry's stored
// text, right-aligned at the entry's indent, the codes of LayoutIndex and
// the largest scroll position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "book/index_record.h"
#include "book/record.h"
#include "index/index_rows.h"
#include "index_fixture.h"
#include "platform/message_box.h"
#include "resources/article_count.h"
#include "resources/messages.h"

namespace velmora::index {
namespace {

namespace headless = platform::headless;

constexpr std::int32_t kLeft = 10;
constexpr std::int32_t kTop = 20;

struct BreakCase {
  const char* name;
  std::int32_t width;             // of the list
  std::uint8_t level;             // the entry's indent level
  std::string text;               // stored bytes
  std::vector<std::string> rows;  // the stored bytes of each row, in row order
  std::vector<std::int32_t> xs;   // each row's x
};

// Plain 5-pixel characters; level 2 takes 26 pixels, so a list 56 wide
// leaves 6 characters to a row.
const BreakCase kBreakCases[] = {
    {"RowsStartAtTheTextsEndAndBreakAtSpaces",
     56,
     2,
     "abc defg hi",
     {"hi", "defg", "abc"},
     {30, 20, 25}},
    {"ABreakRightAfterAFullRowTakesTheWholeRow",
     56,
     2,
     "abcd efghij",
     {"efghij", "abcd"},
     {10, 20}},
    {"AWordWiderThanTheRowIsCut", 56, 2, "abcdefghij", {"efghij", "abcd"}, {10, 20}},
    {"SpacesBelongToNoRow", 36, 2, "  ab   cd  ", {"cd", "ab"}, {10, 10}},
    {"ALevelThatDoesNotFitGivesIndentZero", 26, 2, "ab", {"ab"}, {26}},
    {"ARowTakesOneByteWhenNoneFits",
     3,
     0,
     "abc",
     {"c", "b", "a"},
     {kLeft + 3 - kPlainChar, kLeft + 3 - kPlainChar, kLeft + 3 - kPlainChar}},
};

class BreakTest : public IndexTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(BreakTest, Rows) {
  const BreakCase& c = GetParam();
  MakeView({kLeft, kTop, kLeft + c.width, kTop + 200});
  ASSERT_EQ(Layout({{0x4001, 0x81, c.level, c.text}}), kIndexDone);
  const std::vector<IndexLine> rows = Rows();
  ASSERT_EQ(rows.size(), c.rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(RowText(rows[i]), c.rows[i]);
    EXPECT_EQ(rows[i].textWidth, c.rows[i].size() * kPlainChar);
    EXPECT_EQ(static_cast<std::int16_t>(rows[i].x), c.xs[i]);
  }
  EXPECT_EQ(view_->lines[rows.size()].flags, 0);
}

INSTANTIATE_TEST_SUITE_P(Layout, BreakTest, ::testing::ValuesIn(kBreakCases),
                         [](const auto& param) { return std::string(param.param.name); });

using LayoutTest = IndexTest;

TEST_F(LayoutTest, RowsCarryTheEntrysIdStyleAndFontHeight) {
  MakeView({kLeft, kTop, kLeft + 100, kTop + 200});
  ASSERT_EQ(Layout({Heading(16382, "ab"), Article(1, "cd"), BookmarkCopy(2, "ef")}), kIndexDone);
  const std::vector<IndexLine> rows = Rows();
  ASSERT_EQ(rows.size(), 3u);
  // The heading: larger bold font, level 1.
  EXPECT_EQ(rows[0].id, 0x8000 | 16382);
  EXPECT_EQ(rows[0].flags, book::kSectionHeadingStyle);
  EXPECT_EQ(rows[0].rowHeight, kLargerHeight);
  EXPECT_EQ(rows[0].textWidth, 2 * kLargerChar);
  EXPECT_EQ(RowIndent(*view_, rows[0]), 13);
  // The articles: plain font, level 2.
  EXPECT_EQ(rows[1].id, 0x4001);
  EXPECT_EQ(rows[1].flags, book::kArticleEntryStyle);
  EXPECT_EQ(rows[1].rowHeight, kPlainHeight);
  EXPECT_EQ(RowIndent(*view_, rows[1]), 26);
  EXPECT_EQ(rows[2].flags, 0x81);
  EXPECT_EQ(view_->lineCount, 3);
  EXPECT_EQ(view_->visibleRows, 2);
}

TEST_F(LayoutTest, EmptyAndSpaceOnlyEntriesYieldNoRows) {
  MakeView({kLeft, kTop, kLeft + 100, kTop + 200});
  ASSERT_EQ(Layout({Heading(16382, "ab"), Article(1, ""), Article(2, "   "), Article(3, "cd")}),
            kIndexDone);
  const std::vector<IndexLine> rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(RowText(rows[0]), "ab");
  EXPECT_EQ(rows[1].id, 0x4003);
  EXPECT_EQ(RowText(rows[1]), "cd");
}

TEST_F(LayoutTest, TheTableGrowsByWholeSteps) {
  MakeView({kLeft, kTop, kLeft + 100, kTop + 200}, 1);
  Entries entries;
  for (std::uint16_t n = 1; n <= 200; ++n) entries.push_back(Article(n, "ab", 0x81));
  ASSERT_EQ(Layout(entries), kIndexDone);
  EXPECT_EQ(view_->lineCount, 200);
  EXPECT_EQ(view_->lineCapacity, 1 + 2 * kIndexTableStep);
  EXPECT_EQ(Rows().back().id, 0x4000 | 200);
  EXPECT_EQ(view_->visibleRows, 200);
}

TEST_F(LayoutTest, CodesAndWhatTheyLeave) {
  MakeView({kLeft, kTop, kLeft + 100, kTop + 200});
  ASSERT_EQ(Layout({Heading(16382, "ab"), BookmarkCopy(1, "cd")}), kIndexDone);
  const std::uint8_t* kept = view_->data.get();

  // Refused buffers leave the view as it was.
  const std::vector<std::vector<std::uint8_t>> refused = {
      test::MakeIndexRecord(Entries{{0x4001, 0x00, 2, "ab"}}),  // end mark first
      test::MakeIndexRecord(Entries{Article(1, ""), Article(2, "ab")}),
      {0x01, 0x40, 0x01, 0x02, 'a', 'b'},  // text without its NUL
  };
  for (const std::vector<std::uint8_t>& bytes : refused) {
    EXPECT_EQ(LayoutIndex(view_, MakeBuffer(bytes), true), kIndexUnusableBuffer);
    EXPECT_EQ(view_->data.get(), kept);
    EXPECT_EQ(view_->lineCount, 2);
    EXPECT_EQ(view_->visibleRows, 2);
  }
  EXPECT_EQ(LayoutIndex(nullptr, MakeIndexBuffer(Entries{Article(1, "ab")}), true), kIndexMissing);

  EXPECT_EQ(LayoutIndex(view_, {}, false), kIndexNoBuffer);
  EXPECT_EQ(view_->data.get(), kept);
  EXPECT_EQ(view_->lineCount, 2);

  // Releasing the buffer leaves no row referring to it.
  EXPECT_EQ(LayoutIndex(view_, {}, true), kIndexNoBuffer);
  EXPECT_FALSE(view_->data);
  EXPECT_EQ(view_->lineCount, 0);
  EXPECT_EQ(view_->lines[0].flags, 0);
  EXPECT_EQ(PaintIndexView(view_, true), kIndexMissing);
}

TEST_F(LayoutTest, NothingPastTheBuffersSizeIsRead) {
  MakeView({kLeft, kTop, kLeft + 100, kTop + 200});
  std::vector<std::uint8_t> bytes =
      test::MakeIndexRecord(Entries{BookmarkCopy(1, "ab"), BookmarkCopy(2, "cd")});
  // No end mark, and the second entry's NUL cut off.
  bytes.resize(bytes.size() - book::kEndMarkSize - 1);
  ASSERT_EQ(LayoutIndex(view_, MakeBuffer(bytes), true), kIndexDone);
  ASSERT_EQ(view_->lineCount, 1);
  EXPECT_EQ(RowText(Rows()[0]), "ab");
}

TEST_F(LayoutTest, ResizeLaysTheSameBufferOutAgainFromItsStyleBytes) {
  MakeView({kLeft, kTop, kLeft + 100, kTop + 200});
  ASSERT_EQ(Layout({Heading(16382, "ab"), Article(1, "cd ef")}), kIndexDone);
  const std::uint8_t* kept = view_->data.get();
  view_->lines[1].flags |= kRowVisible;
  view_->visibleRows = 2;
  view_->topRow = 1;

  ASSERT_EQ(ResizeIndexView(view_, 36, 50), kIndexDone);
  EXPECT_EQ(view_->data.get(), kept);
  EXPECT_EQ(view_->left, kLeft);
  EXPECT_EQ(view_->width, 36);
  EXPECT_EQ(view_->height, 50);
  ASSERT_EQ(view_->lineCount, 3);  // the article now takes two rows
  EXPECT_EQ(RowText(Rows()[1]), "ef");
  EXPECT_EQ(RowText(Rows()[2]), "cd");
  EXPECT_EQ(view_->visibleRows, 1);
  EXPECT_EQ(view_->topRow, 1);  // a layout never moves it
}

TEST_F(LayoutTest, RunningOutOfMemoryKeepsTheRowsLaidAndTheirBuffer) {
  MakeView({kLeft, kTop, kLeft + 100, kTop + 200});
  Entries entries;
  for (std::uint16_t n = 1; n <= 200; ++n) entries.push_back(Article(n, "ab", 0x81));
  // A first layout makes the fonts, the conversion buffer and the table, so
  // that the second needs one block per entry.
  ASSERT_EQ(Layout(entries), kIndexDone);
  platform::HeapBuffer buffer = MakeIndexBuffer(entries);
  const std::uint8_t* laid = buffer.get();

  headless::FailHeapAfter(50);
  EXPECT_EQ(LayoutIndex(view_, std::move(buffer), true), kIndexOutOfMemory);
  headless::ResetHeapFaults();

  ASSERT_FALSE(headless::MessageBoxCalls().empty());
  EXPECT_EQ(headless::MessageBoxCalls().back().text, resources::kMsgNotEnoughMemory);
  EXPECT_EQ(view_->data.get(), laid);
  EXPECT_EQ(view_->lineCount, 50);
  EXPECT_EQ(view_->lines[50].flags, 0);
  EXPECT_EQ(view_->visibleRows, 50);
  EXPECT_EQ(PaintIndexView(view_, true), kIndexDone);
}

TEST_F(LayoutTest, NoViewWhenTheHeapIsDry) {
  headless::FailHeapAfter(0);
  EXPECT_EQ(CreateIndexView(surface_, {0, 0, 100, 100}, FontSettings{}, 100), nullptr);
  headless::ResetHeapFaults();
  EXPECT_EQ(CreateIndexView(nullptr, {0, 0, 100, 100}, FontSettings{}, 100), nullptr);
}

TEST_F(LayoutTest, DestroyingTheViewFreesEverything) {
  const long before = headless::LiveHeapBlocks();
  MakeView({kLeft, kTop, kLeft + 100, kTop + 200});
  ASSERT_EQ(Layout({Heading(16382, "ab"), Article(1, "cd")}), kIndexDone);
  PaintIndexView(view_, true);
  DestroyIndexView(view_, true);
  view_ = nullptr;
  // The shared conversion buffer may have grown meanwhile; it is kept.
  EXPECT_LE(headless::LiveHeapBlocks(), before + 1);
}

TEST_F(LayoutTest, TheBooksOwnIndexLaysOutWithEveryArticleFound) {
  MakeView({0, 0, 227, 320});
  platform::HeapBuffer index = book::LoadBookRecord(book::IndexRecordNumber, nullptr);
  ASSERT_TRUE(index);
  std::uint32_t entries = 0;
  book::WalkIndex(std::span(index.get(), index.size), [&](const book::IndexEntry&) {
    ++entries;
    return true;
  });
  const std::uint32_t size = index.size;
  ASSERT_EQ(LayoutIndex(view_, std::move(index), false), kIndexDone);
  EXPECT_GE(view_->lineCount, entries);
  for (const IndexLine& row : Rows()) {
    ASSERT_GT(row.length, 0);
    ASSERT_LE(row.textOffset + row.length, size);
    ASSERT_LE(RowIndent(*view_, row), 2 * kIndentStep);
  }
  for (std::uint16_t article = 1; article <= ArticleCount; ++article) {
    UncoverArticle(view_, article);
    bool shown = false;
    for (const IndexLine& row : Rows()) {
      if (row.id == (book::kIdArticle | article)) shown = (row.flags & kRowVisible) != 0;
    }
    ASSERT_TRUE(shown) << article;
  }
}

struct LastTopRowCase {
  const char* name;
  int visible;
  int hiddenBetween;  // hidden rows after each visible one
  std::int32_t height;
  std::uint16_t lastTopRow;
};

const LastTopRowCase kLastTopRowCases[] = {
    {"AShortListHasNone", 3, 0, 200, 0},
    {"ALongListEndsWithItsLastRowAtTheBottom", 10, 0, 35, 7},
    {"HiddenRowsTakeNoRoom", 10, 2, 35, 7},
    {"AnExactFitCountsTheLastRow", 10, 0, 40, 6},
};

class LastTopRowTest : public IndexTest, public ::testing::WithParamInterface<LastTopRowCase> {};

TEST_P(LastTopRowTest, Computed) {
  const LastTopRowCase& c = GetParam();
  MakeView({0, 0, 100, c.height});
  Entries entries;
  std::uint16_t n = 1;
  for (int i = 0; i < c.visible; ++i) {
    entries.push_back(Article(n++, "ab", 0x81));
    for (int j = 0; j < c.hiddenBetween; ++j) entries.push_back(Article(n++, "ab"));
  }
  ASSERT_EQ(Layout(entries), kIndexDone);
  EXPECT_EQ(view_->lastTopRow, c.lastTopRow);
}

INSTANTIATE_TEST_SUITE_P(Layout, LastTopRowTest, ::testing::ValuesIn(kLastTopRowCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace velmora::index
