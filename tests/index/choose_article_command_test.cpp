// The Choose Article and Index commands of the main window: the dialog opens
// over the main window on the current article, and the article chosen is
// shown unless it is the one shown already.
#include <gtest/gtest.h>

#include <cstdint>

#include "book/book_format.h"
#include "index/choose_article.h"
#include "index_fixture.h"
#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "resources/article_count.h"
#include "resources/ids.h"
#include "state/app_state.h"
#include "tests/integration/program_fixture.h"
#include "tests/support/test_book.h"

namespace velmora::index {
namespace {

namespace headless = platform::headless;
using platform::WindowHandle;

class ChooseArticleCommandTest : public test::ProgramTest,
                                 public ::testing::WithParamInterface<std::uint16_t> {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    const Entries index = {Heading(16382, "aa"), Article(1, "bb"), Article(2, "cc"),
                           Heading(16379, "dd"), Article(ArticleCount, "ee")};
    test::AddContent(&book_, book::IndexRecordNumber, test::MakeIndexRecord(index));
    test::InstallBook(book_);
    appState.fontSettings.letterBase = kLetterBaseStored;
  }

  // Runs the command with `script` driving the dialog.
  void Choose(headless::DialogScript script) {
    headless::ScriptDialog(resources::kDialogChooseArticle, std::move(script));
    EXPECT_EQ(Command(GetParam()), 0);
    ASSERT_EQ(headless::DialogRuns().size(), 1u);
    EXPECT_EQ(headless::DialogRuns()[0].owner, window_);
  }

  static void Tap(WindowHandle dialog, std::uint16_t id) {
    platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0,
                          TapOnRow(*ChooseArticleDialogState().view, id));
  }
};

TEST_P(ChooseArticleCommandTest, ATappedArticleIsShown) {
  Start();
  ASSERT_EQ(appState.currentArticle, 1);
  Choose([](WindowHandle dialog) {
    EXPECT_EQ(ChooseArticleDialogState().fontSettings, &appState.fontSettings);
    Tap(dialog, book::kIdArticle | 2);
  });
  EXPECT_EQ(appState.currentArticle, 2);
  EXPECT_TRUE(ShowsArticle(2));
}

TEST_P(ChooseArticleCommandTest, AnArticleOfAnotherSectionIsShownFromItsTop) {
  Start();
  Key(platform::VK_NEXT);
  ASSERT_GT(View().topRow, 0);
  Choose([](WindowHandle dialog) {
    Tap(dialog, static_cast<std::uint16_t>(book::kIdHeading | 16379));
    Tap(dialog, static_cast<std::uint16_t>(book::kIdArticle | ArticleCount));
  });
  EXPECT_EQ(appState.currentArticle, ArticleCount);
  EXPECT_TRUE(ShowsArticle(ArticleCount));
  EXPECT_EQ(View().topRow, 0);
}

TEST_P(ChooseArticleCommandTest, CancelAndTheCurrentArticleLeaveTheViewAsItIs) {
  Start();
  Key(platform::VK_NEXT);
  const std::uint16_t topRow = View().topRow;
  ASSERT_GT(topRow, 0);
  Choose([](WindowHandle dialog) { Tap(dialog, book::kIdArticle | 1); });
  headless::ScriptDialog(resources::kDialogChooseArticle, [](WindowHandle dialog) {
    headless::SendDialogCommand(dialog, platform::IDCANCEL);
  });
  Command(GetParam());
  EXPECT_EQ(appState.currentArticle, 1);
  EXPECT_TRUE(ShowsArticle(1));
  EXPECT_EQ(View().topRow, topRow);
}

INSTANTIATE_TEST_SUITE_P(Commands, ChooseArticleCommandTest,
                         ::testing::Values(resources::kCmdChooseSection,
                                           resources::kCmdChooseArticle));

}  // namespace
}  // namespace velmora::index
