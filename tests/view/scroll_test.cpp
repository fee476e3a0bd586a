// Scrolling by rows with its limits, the scroll bar, and paging by taps.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "state/app_state.h"
#include "view/scroll.h"
#include "view_fixture.h"

namespace velmora::view {
namespace {

namespace headless = platform::headless;

// Ten one-row lines in a view four rows high: rowCount 10, lastTopRow 6.
class ScrollTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    MakeView({0, 0, 200, 64});
    ASSERT_EQ(Layout(Items(10, test::ItemSpec{0x01, 0, "ab"})), kViewDone);
    ASSERT_EQ(view_->rowCount, 10);
    ASSERT_EQ(view_->lastTopRow, 6);
  }
};

TEST_F(ScrollTest, MovesWithinItsLimits) {
  const struct {
    const char* name;
    std::uint16_t topRow;
    std::int32_t delta;
    int mode;
    bool limit;
    int result;
    std::uint16_t topRowAfter;
    bool painted;
  } cases[] = {
      {"UpPastTheStartStopsAtRowZero", 3, -5, kScrollAndPaint, true, kViewDone, 0, true},
      {"UpAtTheStartDoesNothing", 0, -1, kScrollAndPaint, true, kViewUnmoved, 0, false},
      {"DownAtTheEndDoesNothing", 6, 1, kScrollAndPaint, true, kViewUnmoved, 6, false},
      {"DownBelowTheEndDoesNothing", 8, 3, kScrollAndPaint, true, kViewUnmoved, 8, false},
      // With the limit one move may overshoot the last top row.
      {"OneMoveMayOvershoot", 5, 4, kScrollAndPaint, true, kViewDone, 9, true},
      {"PastTheRowsGoesToTheLastTopRow", 2, 20, kScrollAndPaint, false, kViewDone, 6, true},
      {"UpFromTheEndIsAllowed", 6, -2, kScrollAndPaint, true, kViewDone, 4, true},
      {"MoveOnly", 2, 1, kScrollMoveOnly, true, kViewMovedUnpainted, 3, false},
      {"MoveOnlyInPlace", 2, 0, kScrollMoveOnly, false, kViewUnmoved, 2, false},
      {"PaintInPlaceRefuses", 2, 0, kScrollAndPaint, false, kViewUnmoved, 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    view_->topRow = c.topRow;
    ClearCalls();
    EXPECT_EQ(ScrollTextView(view_, c.delta, c.mode, c.limit), c.result);
    EXPECT_EQ(view_->topRow, c.topRowAfter);
    EXPECT_EQ(!Calls().empty(), c.painted);
  }
  EXPECT_EQ(ScrollTextView(nullptr, 1, kScrollAndPaint, true), kViewMissing);
}

// Forty one-row lines in a view four rows high, in a window whose scroll bar
// follows the program's article view: rowCount 40, lastTopRow 36.
class ScrollBarTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    MakeView({0, 0, 200, 64});
    ASSERT_EQ(Layout(Items(40, test::ItemSpec{0x01, 0, "ab"})), kViewDone);
    window_ = headless::CreateTestWindow({0, 0, 240, 320});
    appState.articleView = view_;
  }
  void TearDown() override {
    appState.articleView = nullptr;
    headless::DestroyTestWindow(window_);
    ViewTest::TearDown();
  }
  platform::WindowHandle window_ = nullptr;
};

TEST_F(ScrollBarTest, FollowsTheViewOnlyWhenShown) {
  view_->topRow = 4;
  for (AppFlags flags : {0x00000000u, 0xFFFFFF3Fu}) {
    appState.appFlags = flags;
    SyncScrollBar(window_);
    EXPECT_EQ(headless::ScrollBarSets(window_), 0);
  }
  for (AppFlags flags : {0x40u, 0x80u}) {
    SCOPED_TRACE(flags);
    appState.appFlags = flags;
    SyncScrollBar(window_);
    const std::optional<platform::ScrollBarState> bar = headless::ScrollBarOf(window_);
    ASSERT_TRUE(bar.has_value());
    EXPECT_EQ(bar->minimum, 0);
    EXPECT_EQ(bar->maximum, 36);
    EXPECT_EQ(bar->page, 0);
    EXPECT_EQ(bar->position, 4);
  }
}

TEST_F(ScrollBarTest, TapPagesByTheRowsLastPainted) {
  // The view is 200 x 64 at the origin; SurroundingGutter 5; 9 rows painted.
  const struct {
    const char* name;
    AppFlags flags;
    std::int32_t x;
    std::int32_t y;
    int result;
    std::uint16_t topRowAfter;
  } cases[] = {
      {"LowerHalfPagesForward", 0xD1140040, 100, 40, 1, 18},
      {"UpperHalfPagesBack", 0xD1140040, 100, 20, 1, 2},
      {"LeftHalfPagesBackWithBit28Clear", 0xC1140040, 50, 60, 1, 2},
      {"RightHalfPagesForwardWithBit28Clear", 0xC1140040, 150, 10, 1, 18},
      {"StepCodeTwoIsHalfAPage", 0xD2140040, 100, 40, 1, 14},
      {"StepCodeFourIsHalfAPage", 0xD4140040, 100, 20, 1, 6},
      {"StepCodeSevenIsAPageLessOne", 0xD7140040, 100, 40, 1, 18},
      {"InsideTheGutterCounts", 0xD1140040, -5, 69, 1, 18},
      {"BeyondTheGutterIsNotForTheView", 0xD1140040, -6, 40, 0, 10},
      {"BelowTheGutterIsNotForTheView", 0xD1140040, 100, 70, 0, 10},
      {"PagingOff", 0x51140040, 100, 40, 0, 10},
  };
  appState.surroundingGutter = 5;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    appState.appFlags = c.flags;
    view_->topRow = 10;
    view_->rowsPainted = 9;
    EXPECT_EQ(TapPage(window_, view_, c.x, c.y, kScrollMoveOnly), c.result);
    EXPECT_EQ(view_->topRow, c.topRowAfter);
  }
}

TEST_F(ScrollBarTest, TapSyncsTheScrollBar) {
  appState.appFlags = 0xD1140040;
  view_->rowsPainted = 4;
  ASSERT_EQ(TapPage(window_, view_, 100, 60, kScrollAndPaint), 1);
  EXPECT_EQ(view_->topRow, 3);
  ASSERT_TRUE(headless::ScrollBarOf(window_).has_value());
  EXPECT_EQ(headless::ScrollBarOf(window_)->position, 3);
  EXPECT_EQ(TapPage(window_, nullptr, 100, 60, kScrollAndPaint), 0);
}

}  // namespace
}  // namespace velmora::view
