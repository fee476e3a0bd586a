// What LayoutText returns and leaves behind for unusable streams, a missing
// stream and a heap that runs dry, and that nothing leaks on the way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "book/letters.h"
#include "view/paint.h"
#include "view/text_view.h"
#include "view_fixture.h"

namespace velmora::view {
namespace {

namespace headless = platform::headless;

platform::HeapBuffer RawBuffer(const std::vector<std::uint8_t>& bytes) {
  platform::HeapBuffer buffer;
  buffer.data = platform::HeapAllocateArray<std::uint8_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), buffer.get());
  buffer.size = static_cast<std::uint32_t>(bytes.size());
  return buffer;
}

class LayoutFaultTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    WarmConversionBuffer();
    baselineBlocks_ = headless::LiveHeapBlocks();
  }
  // Every block the view held is released with it.
  void ExpectNoLeakAfterDestroy() {
    headless::ResetHeapFaults();
    DestroyTextView(view_, true);
    view_ = nullptr;
    EXPECT_EQ(headless::LiveHeapBlocks(), baselineBlocks_);
  }
  long baselineBlocks_ = 0;
};

TEST_F(LayoutFaultTest, NoViewIsMinusOne) {
  EXPECT_EQ(LayoutText(nullptr, MakeStreamBuffer(Items{{0x01, 0, "ab"}}), true), kViewMissing);
  EXPECT_EQ(RelayoutText(nullptr), kViewMissing);
}

TEST_F(LayoutFaultTest, UnusableStreamKeepsTheArticleOnScreen) {
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"FirstByteZero", {0, 0, 0}},
      {"FirstItemEmptyText", {0x01, 0, 0, 0x01, 0, 'a', 0, 0}},
      {"NoTerminatingNul", {0x01, 0, 'a', 'b'}},
      {"NoBytes", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeView({0, 0, 200, 400});
    ASSERT_EQ(Layout({{0x01, 0, "ab"}, {0x81, 0, "cd"}}), kViewDone);
    const std::uint8_t* shown = view_->text.get();
    view_->highlightStart = 2;
    view_->highlightEnd = 4;
    EXPECT_EQ(LayoutText(view_, RawBuffer(c.bytes), true), kViewUnusableData);
    EXPECT_EQ(view_->text.get(), shown);
    EXPECT_EQ(view_->lineCount, 2);
    EXPECT_EQ(Lines().size(), 2u);
    EXPECT_EQ(view_->highlightStart, 0);
    EXPECT_EQ(view_->highlightEnd, 0);
    EXPECT_EQ(view_->rowCount, 0);
    EXPECT_EQ(view_->lastTopRow, 0);
  }
  ExpectNoLeakAfterDestroy();
}

TEST_F(LayoutFaultTest, RuleFirstIsUsable) {
  MakeView({0, 0, 200, 400});
  EXPECT_EQ(Layout({{0x07, 100, ""}}), kViewDone);
  EXPECT_EQ(view_->lineCount, 1);
}

TEST_F(LayoutFaultTest, NoStreamReleasesTheTextOnlyWhenAsked) {
  MakeView({0, 0, 200, 400});
  ASSERT_EQ(Layout({{0x01, 0, "ab"}}), kViewDone);
  EXPECT_EQ(LayoutText(view_, {}, false), kViewNoStream);
  EXPECT_TRUE(view_->text);
  EXPECT_EQ(LayoutText(view_, {}, true), kViewNoStream);
  EXPECT_FALSE(view_->text);
  EXPECT_EQ(Lines().size(), 0u);
  ExpectNoLeakAfterDestroy();
}

TEST_F(LayoutFaultTest, NoMemoryForTheFirstTable) {
  FontSettings fonts;
  fonts.size = kFontSize;
  const platform::Rect rect{0, 0, 200, 400};
  view_ = CreateTextView(surface_, &rect, fonts, 0);
  ASSERT_NE(view_, nullptr);
  platform::HeapBuffer stream = MakeStreamBuffer(Items{{0x01, 0, "ab"}});
  headless::FailHeapAfter(0);
  EXPECT_EQ(LayoutText(view_, std::move(stream), true), kViewOutOfMemory);
  EXPECT_FALSE(view_->text);
  headless::ResetHeapFaults();
  EXPECT_EQ(Layout({{0x01, 0, "ab"}}), kViewDone);
  EXPECT_EQ(view_->lineCapacity, kLineTableStep);
  ExpectNoLeakAfterDestroy();
}

TEST_F(LayoutFaultTest, NoMemoryMidLayoutAdoptsNothingAndEmptiesTheTable) {
  const struct {
    const char* name;
    Items items;
  } cases[] = {
      {"TableGrowth", Items(130, test::ItemSpec{0x01, 0, "ab"})},
      {"ReversedCopy", Items{{0x01, 0, "ab"}, {0x11, 0, "cd"}}},
  };
  for (const auto& c : cases) {
    for (bool releasePrevious : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (releasePrevious ? " releasing" : " keeping"));
      MakeView({0, 0, 200, 400});
      // A first layout creates the fonts; the text it adopts stays shown.
      ASSERT_EQ(Layout({{0x11, 0, "xy"}}), kViewDone);
      const std::uint8_t* shown = view_->text.get();
      platform::HeapBuffer stream = MakeStreamBuffer(c.items);
      headless::FailHeapAfter(0);
      EXPECT_EQ(LayoutText(view_, std::move(stream), releasePrevious), kViewOutOfMemory);
      headless::ResetHeapFaults();
      EXPECT_EQ(view_->text.get(), releasePrevious ? nullptr : shown);
      EXPECT_EQ(view_->lineCount, 0);
      EXPECT_EQ(view_->lines[0].style, 0);
      EXPECT_EQ(PaintTextView(view_, true), releasePrevious ? kViewMissing : kViewDone);
    }
  }
  ExpectNoLeakAfterDestroy();
}

TEST_F(LayoutFaultTest, NoMemoryInARelayoutKeepsTheLinesMade) {
  MakeView({0, 0, 200, 400});
  // 120 items of two characters: 120 lines at this width, 240 at 8 pixels.
  ASSERT_EQ(Layout(Items(120, test::ItemSpec{0x01, 0, "ab"})), kViewDone);
  ASSERT_EQ(view_->lineCapacity, 228);
  headless::FailHeapAfter(0);
  EXPECT_EQ(ResizeTextView(view_, 8, 400), kViewOutOfMemory);
  headless::ResetHeapFaults();
  EXPECT_TRUE(view_->text);
  EXPECT_EQ(view_->lineCount, 228);
  EXPECT_EQ(view_->lines[228].style, 0);
  EXPECT_EQ(view_->rowCount, 228);
  EXPECT_EQ(PaintTextView(view_, true), kViewDone);
  ExpectNoLeakAfterDestroy();
}

TEST_F(LayoutFaultTest, TableNeverGrowsPastTheLineLimit) {
  MakeView({0, 0, 4, 400});
  // One character per line: 48000 lines, more than a table may hold.
  ASSERT_EQ(Layout(Items(3000, test::ItemSpec{0x01, 0, "abcdefghijklmnop"})), kViewOutOfMemory);
  EXPECT_LE(view_->lineCapacity, kMaxLineCapacity);
  EXPECT_EQ(view_->lineCount, 0);
  ExpectNoLeakAfterDestroy();
}

}  // namespace
}  // namespace velmora::view
