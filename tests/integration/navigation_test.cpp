// Going from article to article: the wrap-around at both ends of the book,
// articles beyond it, and articles that cannot be loaded.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/message_box.h"
#include "platform/messages.h"
#include "resources/article_count.h"
#include "resources/ids.h"
#include "resources/messages.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using platform::VK_LEFT;
using platform::VK_RIGHT;

constexpr int kLastArticle = ArticleCount;
// An article number beyond the book, as a stored "Lesson" may hold.
constexpr int kBeyondTheBook = ArticleCount + 3;

class NavigationTest : public ProgramTest {};

TEST_F(NavigationTest, StepsWrapAroundTheBook) {
  const struct {
    const char* name;
    int from;
    std::uint32_t key;  // or the command below
    std::uint16_t command;
    int to;
  } cases[] = {
      {"NextKeyFromTheFirst", 1, VK_RIGHT, 0, 2},
      {"PreviousKeyFromTheSecond", 2, VK_LEFT, 0, 1},
      {"NextKeyFromTheLastWraps", kLastArticle, VK_RIGHT, 0, 1},
      {"PreviousKeyFromTheFirstWraps", 1, VK_LEFT, 0, kLastArticle},
      {"NextCommandFromTheLastWraps", kLastArticle, 0, resources::kCmdNextArticle, 1},
      {"PreviousCommandFromTheFirstWraps", 1, 0, resources::kCmdPreviousArticle, kLastArticle},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    StoreProgramValue(settings::kLesson, static_cast<std::uint32_t>(c.from));
    StoreProgramValue(settings::kLastPosition, 5);
    Start();
    ASSERT_TRUE(ShowsArticle(c.from));
    ASSERT_EQ(View().topRow, 5);
    if (c.command != 0) {
      EXPECT_EQ(Command(c.command), 0);
    } else {
      EXPECT_EQ(Key(c.key), 0);
    }
    EXPECT_EQ(appState.currentArticle, c.to);
    EXPECT_TRUE(ShowsArticle(c.to));
    // The new article shows from its top, painted at once.
    EXPECT_EQ(View().topRow, 0);
    EXPECT_EQ(headless::ScrollBarOf(window_)->position, 0);
    EXPECT_GT(View().rowsPainted, 0);
  }
}

// A stored article beyond the book cannot be shown at start; both steps
// then go to the first article.
TEST_F(NavigationTest, FromBeyondTheBookBothStepsGoToTheFirst) {
  for (std::uint32_t key : {VK_RIGHT, VK_LEFT}) {
    SCOPED_TRACE(key);
    Restart();
    StoreProgramValue(settings::kLesson, kBeyondTheBook);
    Start();
    ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
    const headless::MessageBoxCall& box = headless::MessageBoxCalls()[0];
    EXPECT_EQ(box.owner, window_);
    EXPECT_EQ(box.text, resources::kMsgResourceNotFound);
    EXPECT_EQ(box.caption, resources::kCaptionError);
    EXPECT_EQ(box.style, platform::kMbIconExclamation);
    EXPECT_FALSE(View().text);
    EXPECT_EQ(View().lineCount, 0);

    Key(key);
    EXPECT_EQ(appState.currentArticle, 1);
    EXPECT_TRUE(ShowsArticle(1));
  }
}

TEST_F(NavigationTest, AnArticleThatCannotBeLoadedLeavesTheViewAsItWas) {
  StoreProgramValue(settings::kLesson, 2);
  Start();
  Send(platform::WM_VSCROLL, platform::SB_LINEDOWN);
  ASSERT_EQ(View().topRow, 1);

  // The test book has no article 3.
  EXPECT_EQ(Key(VK_RIGHT), 0);
  EXPECT_EQ(appState.currentArticle, 2);
  EXPECT_TRUE(ShowsArticle(2));
  EXPECT_EQ(View().topRow, 1);
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
}

}  // namespace
}  // namespace velmora::test
