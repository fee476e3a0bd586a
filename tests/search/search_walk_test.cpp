// The whole search from the main window: Search Again and Return walk the
// book with wrap-around and show each hit with its highlight and HeadingBox.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/message_box.h"
#include "resources/article_count.h"
#include "resources/ids.h"
#include "resources/messages.h"
#include "search/search_engine.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/search/search_fixture.h"
#include "tests/view/view_fixture.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;

bool DrewText(platform::Surface* surface, std::string_view text) {
  const auto& calls = headless::DrawCalls(surface);
  return std::any_of(calls.begin(), calls.end(), [text](const headless::DrawCall& call) {
    return call.kind == headless::DrawKind::kTextInBox && view::DrawnText(call) == text;
  });
}

TEST_F(SearchTest, SearchAgainWalksTheBookInOrderWithWrapAround) {
  struct Case {
    std::uint16_t start;
    std::vector<std::uint16_t> visited;
  };
  const Case cases[] = {
      {1, {kFirstQq, kSecondQq, kFirstQq, kSecondQq}},
      {static_cast<std::uint16_t>(ArticleCount), {kFirstQq, kSecondQq}},
      {kNoQq, {kSecondQq, kFirstQq, kSecondQq}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    Restart();
    StoreProgramValue(settings::kFontAsciiBase, 97);
    StoreProgramValue(settings::kLesson, c.start);
    Start();
    SetPattern("qq");
    for (std::uint16_t article : c.visited) {
      ASSERT_EQ(Command(resources::kCmdSearchAgain), 0);
      EXPECT_EQ(appState.currentArticle, article);
      EXPECT_EQ(View().highlightStart, QqOffset() - 1);
      EXPECT_EQ(View().highlightEnd, QqOffset() + 1);
    }
    EXPECT_TRUE(headless::MessageBoxCalls().empty());
  }
}

TEST_F(SearchTest, AHitIsScrolledToHighlightedAndHeadedByTheHeadingBox) {
  Start();
  SetPattern("qq");
  headless::ClearDrawCalls(View().surface);
  Key(platform::VK_RETURN);
  ASSERT_EQ(appState.currentArticle, kFirstQq);
  EXPECT_EQ(View().topRow, View().lastTopRow);
  EXPECT_GT(View().topRow, 0);
  EXPECT_TRUE(DrewText(View().surface, "qq"));
  EXPECT_TRUE(DrewText(View().surface, SearchHeadingOf(kFirstQq)));
  // The HeadingBox comes last, over the painted page.
  EXPECT_EQ(view::DrawnText(headless::DrawCalls(View().surface).back()), SearchHeadingOf(kFirstQq));
}

// Article 2's only "a2" is its first text: Search Again finds it in the
// first pass, then again only in the final pass, without "Not Found!".
TEST_F(SearchTest, TheOnlyOccurrenceIsFoundAgainInTheFinalPass) {
  StoreProgramValue(settings::kLesson, 2);
  Start();
  SetPattern("a2");
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(search::SearchBook(window_));
    EXPECT_EQ(appState.currentArticle, 2);
    EXPECT_EQ(View().highlightStart, 2);
    EXPECT_EQ(View().highlightEnd, 4);
  }
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
}

TEST_F(SearchTest, NothingFoundSaysSoAndChangesNothing) {
  StoreProgramValue(settings::kLesson, kFirstQq);
  Start();
  SetPattern("qq");
  Command(resources::kCmdSearchAgain);
  const std::uint16_t top = View().topRow;
  SetPattern("zz");
  EXPECT_FALSE(search::SearchBook(window_));
  ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
  const headless::MessageBoxCall& box = headless::MessageBoxCalls()[0];
  EXPECT_EQ(box.owner, window_);
  EXPECT_EQ(box.text, resources::kMsgNotFound);
  EXPECT_EQ(box.caption, resources::kCaptionVelmora);
  EXPECT_EQ(box.style, platform::kMbOk);
  EXPECT_EQ(appState.currentArticle, kFirstQq);
  EXPECT_EQ(View().topRow, top);
  EXPECT_EQ(View().highlightStart, QqOffset() - 1);
}

TEST_F(SearchTest, AnEmptyPatternSearchesNothing) {
  Start();
  EXPECT_EQ(Key(platform::VK_RETURN), 0);
  EXPECT_EQ(Command(resources::kCmdSearchAgain), 0);
  EXPECT_EQ(appState.currentArticle, 1);
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
}

// A pattern found nowhere, and no memory for the first article's spans: the
// program is told to end and no "Not Found!" follows.
TEST_F(SearchTest, OutOfMemoryAbandonsTheWalk) {
  Start();
  SetPattern("zz");
  headless::FailHeapAfter(0);
  EXPECT_FALSE(search::SearchBook(window_));
  headless::ResetHeapFaults();
  ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
  EXPECT_EQ(headless::MessageBoxCalls()[0].text, resources::kMsgNotEnoughMemory);
  EXPECT_TRUE(headless::PostedQuit().has_value());
}

// A CurrentArticle beyond the book (from the registry) never comes round:
// the walk ends after one round.
TEST_F(SearchTest, AWalkFromBeyondTheBookEnds) {
  Start();
  appState.currentArticle = static_cast<std::uint16_t>(ArticleCount + 3);
  SetPattern("zz");
  EXPECT_FALSE(search::SearchBook(window_));
  EXPECT_EQ(headless::MessageBoxCalls().size(), 1u);
}

}  // namespace
}  // namespace velmora::test
