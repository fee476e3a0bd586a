// Every article of the book compiled into the program lays out at the width
// of a handheld screen, measuring each line at most twice.
#include <gtest/gtest.h>

#include "book/book_format.h"
#include "book/record.h"
#include "platform/headless/headless.h"
#include "resources/article_count.h"
#include "state/app_state.h"
#include "view/text_view.h"

namespace velmora::view {
namespace {

namespace headless = platform::headless;

TEST(EmbeddedBookLayoutTest, EveryArticleLaysOutMeasuringEachLineAtMostTwice) {
  appState.fontSettings.letterBase = kLetterBaseUnicode;
  platform::Surface* surface = headless::CreateTestSurface(240, 320);
  FontSettings fonts;
  const platform::Rect rect{0, 0, 240, 320};
  TextView* view = CreateTextView(surface, &rect, fonts, 100);
  ASSERT_NE(view, nullptr);

  for (int article = 1; article <= ArticleCount; ++article) {
    SCOPED_TRACE(article);
    platform::HeapBuffer record = book::LoadBookRecord(article, nullptr);
    ASSERT_TRUE(record);
    headless::ClearDrawCalls(surface);
    ASSERT_EQ(LayoutText(view, std::move(record), true), kViewDone);
    ASSERT_GT(view->lineCount, 0);
    EXPECT_LE(headless::FitTextCalls(surface), 2 * view->lineCount);
    EXPECT_LE(headless::TextExtentCalls(surface), 2 * view->lineCount);
    // Every line lies inside the view and inside the text.
    for (std::uint32_t i = 0; i < view->lineCount; ++i) {
      const ViewLine& line = view->lines[i];
      ASSERT_LE(line.x + line.width, rect.right) << "line " << i;
      ASSERT_LE(line.offset + line.length, view->text.size) << "line " << i;
    }
  }
  DestroyTextView(view, true);
  headless::DestroyTestSurface(surface);
}

}  // namespace
}  // namespace velmora::view
