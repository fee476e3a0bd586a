// The drawn bitmaps and icon: found by number, decoded at their sizes, and
// showing what they stand for where a pixel tells.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "platform/common/bitmap_resource.h"
#include "platform/resources.h"
#include "platform/surface.h"
#include "resources/dib_art.h"
#include "resources/ids.h"

namespace velmora::resources {
namespace {

using platform::kColourBlack;
using platform::kColourWhite;
using platform::ResourceType;

std::optional<platform::DecodedBitmap> Decode(ResourceType type, std::uint16_t id) {
  const auto bytes = platform::FindResource(type, id);
  if (!bytes) return std::nullopt;
  return platform::DecodeBitmapResource(*bytes);
}

platform::Colour Pixel(const platform::DecodedBitmap& bitmap, int x, int y) {
  return bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x];
}

TEST(DrawnImages, DecodeAtTheirSizes) {
  struct Case {
    ResourceType type;
    std::uint16_t id;
    std::int32_t width;
    std::int32_t height;
  };
  const Case cases[] = {
      {ResourceType::kBitmap, kBitmapAbout, 29, 21},
      {ResourceType::kBitmap, kBitmapToolbar, kToolbarImageSize * kToolbarImageCount,
       kToolbarImageSize},
      {ResourceType::kBitmap, kBitmapGlyphCollapsed, 9, 9},
      {ResourceType::kBitmap, kBitmapGlyphExpanded, 9, 9},
      {ResourceType::kBitmap, kBitmapGlyphArticle, 9, 9},
      {ResourceType::kIcon, kIconProgram, 32, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const auto bitmap = Decode(c.type, c.id);
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(bitmap->width, c.width);
    EXPECT_EQ(bitmap->height, c.height);
  }
}

TEST(DrawnImages, MonochromeOnesHoldOnlyBlackAndWhite) {
  for (std::uint16_t id :
       {kBitmapAbout, kBitmapGlyphCollapsed, kBitmapGlyphExpanded, kBitmapGlyphArticle}) {
    SCOPED_TRACE(id);
    const auto bitmap = Decode(ResourceType::kBitmap, id);
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_TRUE(std::all_of(bitmap->pixels.begin(), bitmap->pixels.end(), [](auto colour) {
      return colour == kColourBlack || colour == kColourWhite;
    }));
  }
}

TEST(DrawnImages, SectionGlyphsAreFramedPlusAndMinus) {
  const auto plus = Decode(ResourceType::kBitmap, kBitmapGlyphCollapsed);
  const auto minus = Decode(ResourceType::kBitmap, kBitmapGlyphExpanded);
  ASSERT_TRUE(plus && minus);
  for (const auto* glyph : {&*plus, &*minus}) {
    for (int i = 0; i < 9; ++i) {
      EXPECT_EQ(Pixel(*glyph, i, 0), kColourBlack);  // frame
      EXPECT_EQ(Pixel(*glyph, 0, i), kColourBlack);
      EXPECT_EQ(Pixel(*glyph, i, 8), kColourBlack);
      EXPECT_EQ(Pixel(*glyph, 8, i), kColourBlack);
    }
    EXPECT_EQ(Pixel(*glyph, 2, 4), kColourBlack);  // the bar
    EXPECT_EQ(Pixel(*glyph, 6, 4), kColourBlack);
    EXPECT_EQ(Pixel(*glyph, 1, 1), kColourWhite);
  }
  EXPECT_EQ(Pixel(*plus, 4, 2), kColourBlack);  // the plus's upright
  EXPECT_EQ(Pixel(*minus, 4, 2), kColourWhite);
}

TEST(DrawnImages, ToolbarAndIconCornersAreBackground) {
  const auto toolbar = Decode(ResourceType::kBitmap, kBitmapToolbar);
  const auto icon = Decode(ResourceType::kIcon, kIconProgram);
  ASSERT_TRUE(toolbar && icon);
  for (int image = 0; image < kToolbarImageCount; ++image) {
    EXPECT_EQ(Pixel(*toolbar, image * kToolbarImageSize + 15, 0), kImageBackgroundColour) << image;
  }
  EXPECT_EQ(Pixel(*icon, 0, 0), kImageBackgroundColour);
  EXPECT_EQ(Pixel(*icon, 31, 31), kImageBackgroundColour);
  EXPECT_NE(Pixel(*icon, 16, 16), kImageBackgroundColour);
}

}  // namespace
}  // namespace velmora::resources
