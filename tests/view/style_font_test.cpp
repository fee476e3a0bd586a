// The StyleFont rule and cache, and the view's life: creation, resizing,
// new fonts and destruction.
#include <gtest/gtest.h>

#include "book/book_format.h"
#include "view/paint.h"
#include "view_fixture.h"

namespace velmora::view {
namespace {

namespace headless = platform::headless;

TEST(StyleFontRuleTest, HeightAndWeightPerKey) {
  const struct {
    std::int32_t size;
    std::uint8_t key;
    std::int32_t height;
    std::int32_t weight;
  } cases[] = {
      {16, 0x01, 16, 400}, {16, 0x02, 12, 400}, {16, 0x04, 20, 400},
      {16, 0x06, 20, 400},  // larger wins over smaller
      {16, 0x08, 16, 700}, {16, 0x1C, 20, 700}, {16, 0x11, 16, 400},
      {10, 0x02, 7, 400},   // 60 / 8, toward zero
      {10, 0x04, 12, 400},  // 50 / 4
      {0, 0x01, 0, 400},   {0, 0x02, 14, 400},  {0, 0x04, 20, 400},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "size " << c.size << " key " << int(c.key));
    FontSettings fonts;
    fonts.size = c.size;
    const platform::FontDescription description = StyleFontDescription(fonts, c.key);
    EXPECT_EQ(description.height, c.height);
    EXPECT_EQ(description.weight, c.weight);
    EXPECT_FALSE(description.underline);
  }
}

TEST(StyleFontRuleTest, TakesTheFaceName) {
  FontSettings fonts;
  std::u16string face = u"Frank Ruehl";
  std::copy(face.begin(), face.end(), fonts.faceName);
  EXPECT_EQ(std::u16string(StyleFontDescription(fonts, 1).faceName), face);
}

class StyleFontTest : public ViewTest {
 protected:
  int CacheSize() const {
    int size = 0;
    for (const StyleFont* entry = view_->fontCache; entry != nullptr; entry = entry->next) {
      ++size;
    }
    return size;
  }
};

TEST_F(StyleFontTest, OneCachedFontPerKeyReturnsThePreviousFont) {
  MakeView({0, 0, 200, 200});
  platform::Font* original = SelectStyleFont(view_, 0x01);
  platform::Font* keyOne = SelectStyleFont(view_, 0x21);  // same key, other bits
  EXPECT_NE(keyOne, original);
  EXPECT_EQ(SelectStyleFont(view_, 0x02), keyOne);
  EXPECT_EQ(CacheSize(), 2);
  EXPECT_EQ(view_->fontCache->key, 0x02);  // newest first
  platform::SelectFont(surface_, original);
  EXPECT_EQ(SelectStyleFont(nullptr, 1), nullptr);
}

TEST_F(StyleFontTest, ColourBitSetsBlueOnlyForLargerBold) {
  MakeView({0, 0, 200, 200});
  const struct {
    std::uint32_t arg;
    platform::Colour colour;
  } cases[] = {
      {0x10C, platform::kColourBlue},  {0x11C, platform::kColourBlue},
      {0x104, platform::kColourBlack}, {0x108, platform::kColourBlack},
      {0x101, platform::kColourBlack},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arg);
    platform::SetTextColour(surface_, platform::kColourRed);
    SelectStyleFont(view_, c.arg);
    EXPECT_EQ(platform::GetTextColour(surface_), c.colour);
  }
  platform::SetTextColour(surface_, platform::kColourRed);
  SelectStyleFont(view_, 0x0C);
  EXPECT_EQ(platform::GetTextColour(surface_), platform::kColourRed);
}

TEST_F(StyleFontTest, ReleasedFontsAreMadeAgainInTheirEntries) {
  MakeView({0, 0, 200, 200});
  ASSERT_EQ(Layout({{0x01, 0, "ab"}, {0x14, 0, "cd"}}), kViewDone);
  ASSERT_EQ(CacheSize(), 2);
  EXPECT_EQ(SetTextViewFonts(view_, nullptr), kViewDone);
  for (const StyleFont* entry = view_->fontCache; entry != nullptr; entry = entry->next) {
    EXPECT_EQ(entry->font, nullptr);
  }
  ASSERT_EQ(PaintTextView(view_, true), kViewDone);
  EXPECT_EQ(CacheSize(), 2);
  EXPECT_EQ(Calls(headless::DrawKind::kTextInBox).back().fontHeight, 20);
}

TEST_F(StyleFontTest, NewFontsLayOutAgainAndPaint) {
  MakeView({0, 0, 200, 200});
  EXPECT_EQ(SetTextViewFonts(nullptr, nullptr), kViewMissing);
  FontSettings larger;
  larger.size = 24;
  EXPECT_EQ(SetTextViewFonts(view_, &larger), kViewUnmoved);  // no text yet
  ASSERT_EQ(Layout({{0x01, 0, "ab"}, {0x02, 0, "cd"}}), kViewDone);
  ClearCalls();
  larger.size = 32;
  EXPECT_EQ(SetTextViewFonts(view_, &larger), kViewDone);
  EXPECT_EQ(view_->fonts.size, 32);
  const std::vector<ViewLine> lines = Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].height, 32);
  EXPECT_EQ(lines[1].height, 24);  // 32 x 6/8
  ASSERT_FALSE(Calls().empty());
  EXPECT_EQ(Calls().front().kind, headless::DrawKind::kFill);
  EXPECT_EQ(Calls().back().fontHeight, 24);
}

TEST_F(StyleFontTest, CreateNeedsASurfaceAndMemory) {
  FontSettings fonts;
  const platform::Rect rect{5, 6, 105, 206};
  EXPECT_EQ(CreateTextView(nullptr, &rect, fonts, 100), nullptr);
  headless::FailHeapAfter(0);
  EXPECT_EQ(CreateTextView(surface_, &rect, fonts, 100), nullptr);
  // Without memory for the table the view goes on; the first layout makes one.
  headless::FailHeapAfter(1);
  view_ = CreateTextView(surface_, &rect, fonts, 100);
  headless::ResetHeapFaults();
  ASSERT_NE(view_, nullptr);
  EXPECT_EQ(view_->lineCapacity, 0);
  EXPECT_EQ(view_->x, 5);
  EXPECT_EQ(view_->y, 6);
  EXPECT_EQ(view_->width, 100);
  EXPECT_EQ(view_->height, 200);
  EXPECT_EQ(Layout({{0x01, 0, "ab"}}), kViewDone);
  EXPECT_EQ(view_->lineCapacity, kLineTableStep);
}

TEST_F(StyleFontTest, ResizeLaysOutAgain) {
  MakeView({0, 0, 80, 200});
  EXPECT_EQ(ResizeTextView(nullptr, 10, 10), kViewMissing);
  EXPECT_EQ(ResizeTextView(view_, 80, 200), kViewNoStream);
  ASSERT_EQ(Layout({{0x01, 0, "abcdefgh"}}), kViewDone);
  ASSERT_EQ(view_->lineCount, 1);
  for (auto [width, height] : {std::pair{0, 100}, std::pair{40, 0}, std::pair{-1, 100}}) {
    EXPECT_EQ(ResizeTextView(view_, width, height), kViewBadSize);
  }
  EXPECT_EQ(view_->width, 80);
  view_->highlightStart = 2;
  view_->highlightEnd = 3;
  EXPECT_EQ(ResizeTextView(view_, 40, 100), kViewDone);
  EXPECT_EQ(view_->lineCount, 2);
  EXPECT_EQ(view_->highlightEnd, 0);
}

TEST_F(StyleFontTest, DestroyReleasesEverything) {
  WarmConversionBuffer();
  const long before = headless::LiveHeapBlocks();
  MakeView({0, 0, 200, 200});
  ASSERT_EQ(Layout({{0x01, 0, "ab"}, {0x12, 0, "cd"}}), kViewDone);
  DestroyTextView(view_, false);
  EXPECT_FALSE(view_->text);
  EXPECT_EQ(view_->fontCache, nullptr);
  EXPECT_EQ(PaintTextView(view_, true), kViewMissing);
  DestroyTextView(view_, true);
  view_ = nullptr;
  EXPECT_EQ(headless::LiveHeapBlocks(), before);
}

}  // namespace
}  // namespace velmora::view
