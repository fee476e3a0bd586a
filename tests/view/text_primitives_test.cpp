// The text primitives shared by the article view, the index list and the
// HeadingBox: fitting in stored order, drawing in display order, colours
// restored, fills.
#include <gtest/gtest.h>

#include "book/book_format.h"
#include "book/letters.h"
#include "state/app_state.h"
#include "view_fixture.h"

namespace velmora::view {
namespace {

namespace headless = platform::headless;
using headless::DrawCall;
using headless::DrawKind;

const std::uint8_t* Bytes(const char* text) { return reinterpret_cast<const std::uint8_t*>(text); }

class TextPrimitivesTest : public ViewTest {};

TEST_F(TextPrimitivesTest, MeasureFitCountsTheLeadingBytesThatFit) {
  const struct {
    const char* text;
    std::int32_t maxWidth;
    std::int32_t count;
    std::int32_t fitCount;
    std::int32_t fitWidth;
  } cases[] = {
      {"abcdef", 100, 6, 6, 48}, {"abcdef", 20, 6, 2, 16}, {"abcdef", 0, 6, 0, 0},
      {"abcdef", 100, 3, 3, 24}, {"ab", 100, 5, 2, 16},  // stops at the NUL
      {"abcdef", 100, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.text << " in " << c.maxWidth << " of " << c.count);
    const RunFit fit = MeasureFit(surface_, Bytes(c.text), c.maxWidth, c.count);
    EXPECT_EQ(fit.count, c.fitCount);
    EXPECT_EQ(fit.width, c.fitWidth);
  }
}

TEST_F(TextPrimitivesTest, MeasuresInStoredOrderAndRestoresTheReverseOption) {
  appState.fontSettings.letterBase = kLetterBaseUnicode;
  for (AppFlags flags : {ReverseOption | 0x40u, 0x40u}) {
    SCOPED_TRACE(flags);
    appState.appFlags = flags;
    MeasureFit(surface_, Bytes("ab"), 100, 2);
    const char16_t* converted = book::TheConversionBuffer().buffer;
    EXPECT_EQ(converted[0], u'\u05D0');
    EXPECT_EQ(converted[1], u'\u05D1');
    MeasureRunExtent(surface_, Bytes("ab"), 2);
    EXPECT_EQ(converted[0], u'\u05D0');
    EXPECT_EQ(appState.appFlags, flags);
  }
}

TEST_F(TextPrimitivesTest, DrawRunShowsTheDisplayOrderInItsBox) {
  appState.fontSettings.letterBase = kLetterBaseUnicode;
  appState.appFlags = ReverseOption;
  DrawRun(surface_, Bytes("ab(c"), 3, 4, 5, 24, 16);
  const std::vector<DrawCall> texts = Calls(DrawKind::kTextInBox);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, u")\u05D1\u05D0");  // reversed, the bracket mirrored
  EXPECT_EQ(texts[0].box.left, 4);
  EXPECT_EQ(texts[0].box.top, 5);
  EXPECT_EQ(texts[0].box.right, 28);
  EXPECT_EQ(texts[0].box.bottom, 21);
}

TEST_F(TextPrimitivesTest, LetterCodeShownAsUnitZeroKeepsItsPlace) {
  appState.fontSettings.letterBase = 0;
  DrawRun(surface_, Bytes("ab"), 2, 0, 0, 16, 16);
  EXPECT_EQ(Calls().back().text, std::u16string(u"\u0000\u0001", 2));
  EXPECT_EQ(MeasureFit(surface_, Bytes("ab"), 100, 2).count, 2);
}

TEST_F(TextPrimitivesTest, ColouredRunLeavesTheSurfaceColoursAsTheyWere) {
  platform::SetTextColour(surface_, platform::kColourRed);
  DrawColouredRun(surface_, Bytes("ab"), 2, 0, 0, 16, 16, platform::kColourBlue,
                  platform::kColourYellow);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].textColour, platform::kColourBlue);
  EXPECT_EQ(Calls()[0].backgroundColour, platform::kColourYellow);
  EXPECT_EQ(platform::GetTextColour(surface_), platform::kColourRed);
  EXPECT_EQ(platform::SetBackgroundColour(surface_, platform::kColourWhite),
            platform::kColourWhite);
}

TEST_F(TextPrimitivesTest, FillViewRectTakesWidthAndHeight) {
  FillViewRect(surface_, 3, 4, 10, 20, platform::StockBrush::kWhite);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].kind, DrawKind::kFill);
  EXPECT_EQ(Calls()[0].brushColour, platform::kColourWhite);
  EXPECT_EQ(Calls()[0].box.left, 3);
  EXPECT_EQ(Calls()[0].box.top, 4);
  EXPECT_EQ(Calls()[0].box.right, 13);
  EXPECT_EQ(Calls()[0].box.bottom, 24);
}

TEST_F(TextPrimitivesTest, NoMemoryMeasuresAndDrawsNothing) {
  const std::int32_t beyond = book::TheConversionBuffer().capacity + 1;
  const std::string text(static_cast<std::size_t>(beyond), 'a');
  headless::FailHeapAfter(0);
  const RunFit fit = MeasureFit(surface_, Bytes(text.c_str()), 1000, beyond);
  DrawRun(surface_, Bytes(text.c_str()), beyond, 0, 0, 10, 10);
  headless::ResetHeapFaults();
  EXPECT_EQ(fit.count, 0);
  EXPECT_EQ(fit.width, 0);
  EXPECT_TRUE(Calls().empty());
}

}  // namespace
}  // namespace velmora::view
