// Reading with keys, the scroll bar and taps: how far each moves the view,
// and the scroll bar following it.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using namespace platform;  // message, key and request names

// Rows of 17 pixels in the 232-pixel view of a 240 x 268 client with the
// command bar and a gutter of 5: each paint draws 13 rows, and the last page
// starts at row 27.
constexpr std::uint32_t kRowHeight = 17;
constexpr int kRowsPainted = 13;
constexpr int kLastTopRow = kArticleRows - kRowsPainted;

class ReadingTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    StoreDeviceOption(settings::kSurroundingGutter, 5);
    StoreProgramValue(settings::kFontSize, kRowHeight);
    Start();
    ASSERT_EQ(View().rowsPainted, kRowsPainted);
    ASSERT_EQ(View().lastTopRow, kLastTopRow);
  }

  // The view put at `row`, then painted as it would show it there.
  void PutAt(std::uint16_t row) {
    View().topRow = row;
    Send(WM_PAINT);
  }

  // The key page-step field of AppFlags set to `code`, the rest as stored.
  static void SetKeyPageStep(AppFlags code) {
    appState.appFlags = (appState.appFlags & ~(kPageStepFieldMask << kKeyPageStepShift)) |
                        (code << kKeyPageStepShift);
  }
};

TEST_F(ReadingTest, KeysMoveByTheirAmounts) {
  const struct {
    const char* name;
    AppFlags pageStep;
    std::uint16_t from;
    std::uint32_t key;
    std::uint16_t to;
  } cases[] = {
      {"PageDownIsAPageLessOneLine", 1, 0, VK_NEXT, 12},
      {"PageDownWithStepCode0", 0, 0, VK_NEXT, 12},
      {"PageDownWithStepCode3", 3, 0, VK_NEXT, 12},
      {"PageDownIsHalfAPageWithStepCode2", 2, 0, VK_NEXT, 6},
      {"PageDownIsHalfAPageWithStepCode4", 4, 0, VK_NEXT, 6},
      {"PageUp", 1, 20, VK_PRIOR, 8},
      {"PageUpHalf", 2, 20, VK_PRIOR, 14},
      {"PageUpStopsAtTheTop", 1, 5, VK_PRIOR, 0},
      {"Down", 1, 3, VK_DOWN, 4},
      {"Up", 1, 3, VK_UP, 2},
      {"HomeGoesToTheTop", 1, 20, VK_HOME, 0},
      {"HomeOnTheFirstLineStays", 1, 0, VK_HOME, 0},
      {"EndGoesToTheLastPage", 1, 0, VK_END, kLastTopRow},
      {"EndOnTheLastPageStays", 1, kLastTopRow, VK_END, kLastTopRow},
      {"DownOnTheLastPageStays", 1, kLastTopRow, VK_DOWN, kLastTopRow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetKeyPageStep(c.pageStep);
    PutAt(c.from);
    EXPECT_EQ(Key(c.key), 0);
    EXPECT_EQ(View().topRow, c.to);
    ASSERT_TRUE(headless::ScrollBarOf(window_).has_value());
    EXPECT_EQ(headless::ScrollBarOf(window_)->position, c.to);
    EXPECT_EQ(headless::ScrollBarOf(window_)->maximum, kLastTopRow);
  }
}

TEST_F(ReadingTest, OtherKeysAreLeftAlone) {
  PutAt(4);
  EXPECT_EQ(Key(VK_ESCAPE), 1);
  EXPECT_EQ(Key('A'), 1);
  EXPECT_EQ(View().topRow, 4);
}

TEST_F(ReadingTest, ScrollBarRequestsMoveByTheirAmounts) {
  const struct {
    const char* name;
    std::uint16_t request;
    std::uint16_t position;
    std::uint16_t from;
    std::uint16_t to;
  } cases[] = {
      {"LineDown", SB_LINEDOWN, 0, 3, 4},
      {"LineUp", SB_LINEUP, 0, 3, 2},
      {"PageDown", SB_PAGEDOWN, 0, 0, 12},
      {"PageUp", SB_PAGEUP, 0, 20, 8},
      {"Thumb", SB_THUMBPOSITION, 9, 2, 9},
      {"ThumbTrack", SB_THUMBTRACK, 1, 7, 1},
      {"Top", SB_TOP, 0, 20, 0},
      // The bottom request moves one line, not to the end.
      {"BottomIsOneLine", SB_BOTTOM, 0, 3, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PutAt(c.from);
    EXPECT_EQ(Send(WM_VSCROLL, MakeWParam(c.request, c.position)), 1);
    EXPECT_EQ(View().topRow, c.to);
    EXPECT_EQ(headless::ScrollBarOf(window_)->position, c.to);
  }
}

TEST_F(ReadingTest, ScrollBarPagesIgnoreTheKeyPageStep) {
  for (AppFlags code : {0u, 1u, 2u, 4u, 7u}) {
    SCOPED_TRACE(code);
    SetKeyPageStep(code);
    PutAt(0);
    Send(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(View().topRow, 12);
  }
}

TEST_F(ReadingTest, EndOfScrollingMovesNothing) {
  PutAt(5);
  const long sets = headless::ScrollBarSets(window_);
  EXPECT_EQ(Send(WM_VSCROLL, SB_ENDSCROLL), 1);
  EXPECT_EQ(View().topRow, 5);
  EXPECT_EQ(headless::ScrollBarSets(window_), sets);
}

TEST_F(ReadingTest, TapsPageBackAndForward) {
  // The view spans rows 31 to 263: taps below its middle page forward.
  PutAt(10);
  Send(WM_LBUTTONDOWN, 0, MakeLParam(100, 200));
  EXPECT_EQ(View().topRow, 22);
  Send(WM_LBUTTONDOWN, 0, MakeLParam(100, 40));
  EXPECT_EQ(View().topRow, 10);
  EXPECT_EQ(headless::ScrollBarOf(window_)->position, 10);
}

}  // namespace
}  // namespace velmora::test
