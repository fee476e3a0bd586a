// The headless surface: the fixed metrics other tests compute pixels from,
// and the record of drawing calls they assert on.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

using headless::DrawCall;
using headless::DrawKind;

class HeadlessSurface : public ::testing::Test {
 protected:
  ~HeadlessSurface() override { headless::DestroyTestSurface(surface_); }

  Font* Select(std::int32_t height, std::int32_t weight = kWeightNormal) {
    FontDescription description;
    description.height = height;
    description.weight = weight;
    fonts_.emplace_back(CreateFont(description));
    SelectFont(surface_, fonts_.back().get());
    return fonts_.back().get();
  }

  struct FontDeleter {
    void operator()(Font* font) const { DeleteFont(font); }
  };
  Surface* surface_ = headless::CreateTestSurface(240, 320);
  std::vector<std::unique_ptr<Font, FontDeleter>> fonts_;
};

constexpr char16_t kText[] = u"abcdefghij";

TEST_F(HeadlessSurface, MetricsFollowTheRequestedCellHeight) {
  struct Case {
    std::int32_t requested;
    std::int32_t cell;
  };
  for (const Case c : {Case{0, 16}, Case{20, 20}, Case{7, 7}, Case{-12, 12}}) {
    SCOPED_TRACE(c.requested);
    Select(c.requested);
    const TextMetrics metrics = GetTextMetrics(surface_);
    EXPECT_EQ(metrics.height, c.cell);
    EXPECT_EQ(metrics.maxCharWidth, c.cell / 2);
    const Size extent = TextExtent(surface_, kText, 5);
    EXPECT_EQ(extent.width, 5 * (c.cell / 2));
    EXPECT_EQ(extent.height, c.cell);
  }
}

TEST_F(HeadlessSurface, FitCountsWholeUnitsWithinTheWidth) {
  Select(20);  // every unit 10 pixels wide
  struct Case {
    std::int32_t maxWidth;
    std::int32_t count;
    std::int32_t fits;
  };
  for (const Case c : {Case{0, 10, 0}, Case{9, 10, 0}, Case{10, 10, 1}, Case{35, 10, 3},
                       Case{1000, 10, 10}, Case{50, 0, 0}, Case{-1, 10, 0}}) {
    SCOPED_TRACE(c.maxWidth);
    EXPECT_EQ(FitText(surface_, kText, c.count, c.maxWidth), c.fits);
  }
}

TEST_F(HeadlessSurface, NewSurfaceDrawsBlackOnOpaqueWhiteInTheDefaultFont) {
  EXPECT_EQ(GetTextMetrics(surface_).height, headless::kHeadlessDefaultHeight);
  EXPECT_EQ(GetTextColour(surface_), kColourBlack);
  DrawTextInBox(surface_, kText, 3, {1, 2, 25, 18});
  ASSERT_EQ(headless::DrawCalls(surface_).size(), 1u);
  const DrawCall& call = headless::DrawCalls(surface_)[0];
  EXPECT_EQ(call.kind, DrawKind::kTextInBox);
  EXPECT_EQ(call.text, u"abc");
  EXPECT_EQ(call.box.left, 1);
  EXPECT_EQ(call.box.bottom, 18);
  EXPECT_EQ(call.textColour, kColourBlack);
  EXPECT_EQ(call.backgroundColour, kColourWhite);
  EXPECT_EQ(call.backgroundMode, BackgroundMode::kOpaque);
  EXPECT_EQ(call.fontHeight, headless::kHeadlessDefaultHeight);
  EXPECT_EQ(call.fontWeight, kWeightNormal);
}

TEST_F(HeadlessSurface, RecordsTheStateEachCallDrewWith) {
  Font* bold = Select(24, kWeightBold);
  EXPECT_EQ(SetTextColour(surface_, kColourBlue), kColourBlack);
  EXPECT_EQ(SetBackgroundColour(surface_, kColourYellow), kColourWhite);
  EXPECT_EQ(SetBackgroundMode(surface_, BackgroundMode::kTransparent), BackgroundMode::kOpaque);
  DrawTextClipped(surface_, 3, 4, {0, 0, 50, 30}, kText, 2);

  Brush* yellow = CreateSolidBrush(kColourYellow);
  Pen* red = CreatePen(kColourRed);
  Brush* previousBrush = SelectBrush(surface_, yellow);
  Pen* previousPen = SelectPen(surface_, red);
  DrawRectangle(surface_, {5, 6, 7, 8});
  FillRect(surface_, {0, 0, 10, 10}, GetStockBrush(StockBrush::kBlack));
  SelectBrush(surface_, previousBrush);
  SelectPen(surface_, previousPen);
  DrawRectangle(surface_, {1, 1, 2, 2});
  DeleteBrush(yellow);
  DeletePen(red);

  const std::vector<DrawCall>& calls = headless::DrawCalls(surface_);
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].kind, DrawKind::kTextClipped);
  EXPECT_EQ(calls[0].text, u"ab");
  EXPECT_EQ(calls[0].x, 3);
  EXPECT_EQ(calls[0].y, 4);
  EXPECT_EQ(calls[0].box.right, 50);
  EXPECT_EQ(calls[0].textColour, kColourBlue);
  EXPECT_EQ(calls[0].backgroundColour, kColourYellow);
  EXPECT_EQ(calls[0].backgroundMode, BackgroundMode::kTransparent);
  EXPECT_EQ(calls[0].fontHeight, 24);
  EXPECT_EQ(calls[0].fontWeight, kWeightBold);
  EXPECT_EQ(calls[1].kind, DrawKind::kRectangle);
  EXPECT_EQ(calls[1].brushColour, kColourYellow);
  EXPECT_EQ(calls[1].penColour, kColourRed);
  EXPECT_EQ(calls[2].kind, DrawKind::kFill);
  EXPECT_EQ(calls[2].brushColour, kColourBlack);
  EXPECT_EQ(calls[3].brushColour, kColourWhite);
  EXPECT_EQ(calls[3].penColour, kColourBlack);
  EXPECT_EQ(SelectFont(surface_, nullptr), bold);
}

TEST_F(HeadlessSurface, CountsMeasuringCallsUntilCleared) {
  FitText(surface_, kText, 4, 100);
  FitText(surface_, kText, 4, 100);
  TextExtent(surface_, kText, 4);
  DrawTextInBox(surface_, kText, 1, {});
  EXPECT_EQ(headless::FitTextCalls(surface_), 2);
  EXPECT_EQ(headless::TextExtentCalls(surface_), 1);
  headless::ClearDrawCalls(surface_);
  EXPECT_EQ(headless::FitTextCalls(surface_), 0);
  EXPECT_EQ(headless::TextExtentCalls(surface_), 0);
  EXPECT_TRUE(headless::DrawCalls(surface_).empty());
}

TEST_F(HeadlessSurface, ResetAllClearsTheRecordsOfLiveSurfacesAndWindows) {
  WindowHandle window = headless::CreateTestWindow({0, 0, 240, 300});
  DrawTextInBox(surface_, kText, 1, {});
  TextExtent(surface_, kText, 1);
  SetVerticalScrollBar(window, {0, 9, 0, 3}, true);
  headless::ResetAll();
  EXPECT_TRUE(headless::DrawCalls(surface_).empty());
  EXPECT_EQ(headless::TextExtentCalls(surface_), 0);
  EXPECT_FALSE(headless::ScrollBarOf(window).has_value());
  EXPECT_EQ(headless::ScrollBarSets(window), 0);
  headless::DestroyTestWindow(window);
}

TEST(HeadlessWindow, HasItsOwnSurfaceAndRecordsItsScrollBar) {
  WindowHandle window = headless::CreateTestWindow({0, 0, 240, 300});
  Surface* surface = GetWindowSurface(window);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(GetWindowSurface(window), surface);
  EXPECT_EQ(GetWindowSurface(nullptr), nullptr);
  EXPECT_FALSE(headless::ScrollBarOf(window).has_value());

  SetVerticalScrollBar(window, {0, 40, 0, 7}, true);
  SetVerticalScrollBar(window, {0, 41, 0, 8}, true);
  const auto bar = headless::ScrollBarOf(window);
  ASSERT_TRUE(bar.has_value());
  EXPECT_EQ(bar->maximum, 41);
  EXPECT_EQ(bar->position, 8);
  EXPECT_EQ(headless::ScrollBarSets(window), 2);

  DrawTextInBox(surface, u"x", 1, {});
  EXPECT_EQ(headless::DrawCalls(surface).size(), 1u);
  ReleaseWindowSurface(window, surface);
  headless::DestroyTestWindow(window);
}

}  // namespace
}  // namespace velmora::platform
