// Bitmap resources: decoding the stored form, refusing damaged ones, and
// finding them by number.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/common/bitmap_resource.h"
#include "platform/headless/headless.h"
#include "platform/surface.h"

namespace velmora::platform {
namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  out[at] = value & 0xFF;
  out[at + 1] = (value >> 8) & 0xFF;
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  Put16(out, at, value & 0xFFFF);
  Put16(out, at + 2, value >> 16);
}

// A stored bitmap with the given header fields, colour table and pixel bytes.
std::vector<std::uint8_t> Stored(std::int32_t width, std::int32_t height, std::uint32_t bits,
                                 const std::vector<Colour>& table,
                                 const std::vector<std::uint8_t>& pixels) {
  std::vector<std::uint8_t> out(40);
  Put32(out, 0, 40);
  Put32(out, 4, static_cast<std::uint32_t>(width));
  Put32(out, 8, static_cast<std::uint32_t>(height));
  Put16(out, 12, 1);
  Put16(out, 14, bits);
  Put32(out, 32, static_cast<std::uint32_t>(table.size()));
  for (Colour colour : table) {
    out.insert(out.end(),
               {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                static_cast<std::uint8_t>(colour), 0});
  }
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

// 3 x 2, 24 bits, bottom-up: the stored first row is the lower one. Each row
// is 9 bytes padded to 12.
std::vector<std::uint8_t> ThreeByTwo() {
  return Stored(3, 2, 24, {},
                {0, 0,   255, 0, 0,   255, 0,   0, 255, 0, 0, 0,    // lower row: red
                 0, 255, 0,   0, 255, 0,   255, 0, 0,   0, 0, 0});  // upper: green, green, blue
}

TEST(BitmapResource, DecodesRowsBottomUpIntoTopDownPixels) {
  const auto bitmap = DecodeBitmapResource(ThreeByTwo());
  ASSERT_TRUE(bitmap.has_value());
  EXPECT_EQ(bitmap->width, 3);
  EXPECT_EQ(bitmap->height, 2);
  EXPECT_EQ(bitmap->pixels, (std::vector<Colour>{kGreen, kGreen, kColourBlue, kRed, kRed, kRed}));
}

TEST(BitmapResource, DecodesPaletteBitmapsTopDown) {
  // 9 x 1 at 1 bit: 9 bits in 2 bytes, padded to 4; bits from the top.
  const auto bitmap = DecodeBitmapResource(
      Stored(9, -1, 1, {kColourWhite, kColourBlack}, {0b10100000, 0b10000000, 0, 0}));
  ASSERT_TRUE(bitmap.has_value());
  EXPECT_EQ(bitmap->pixels, (std::vector<Colour>{kColourBlack, kColourWhite, kColourBlack,
                                                 kColourWhite, kColourWhite, kColourWhite,
                                                 kColourWhite, kColourWhite, kColourBlack}));
}

TEST(BitmapResource, RefusesDamagedHeaders) {
  struct Patch {
    const char* name;
    std::size_t at;
    std::size_t bytes;
    std::uint32_t value;
  };
  const Patch patches[] = {
      {"header size past the end", 0, 4, 4000},
      {"zero width", 4, 4, 0},
      {"too wide", 4, 4, kMaxBitmapSide + 1},
      {"most negative height", 8, 4, 0x80000000},
      {"planes not 1", 12, 2, 2},
      {"16 bits", 14, 2, 16},
      {"compressed", 16, 4, 1},
  };
  for (const Patch& patch : patches) {
    SCOPED_TRACE(patch.name);
    std::vector<std::uint8_t> data = ThreeByTwo();
    (patch.bytes == 2 ? Put16 : Put32)(data, patch.at, patch.value);
    EXPECT_FALSE(DecodeBitmapResource(data).has_value());
  }
}

TEST(BitmapResource, RefusesShortOrInconsistentData) {
  std::vector<std::uint8_t> cutShort = ThreeByTwo();
  cutShort.pop_back();
  struct Case {
    const char* name;
    std::vector<std::uint8_t> data;
  };
  const Case cases[] = {
      {"shorter than its header", std::vector<std::uint8_t>(39)},
      {"rows cut short", cutShort},
      {"table larger than the bits allow", Stored(1, 1, 1, {0, 0, 0}, {0, 0, 0, 0})},
      {"index outside the table", Stored(1, 1, 8, {kColourWhite}, {1, 0, 0, 0})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(DecodeBitmapResource(c.data).has_value());
  }
}

TEST(BitmapResource, LoadBitmapFindsBitmapsByNumberOnly) {
  EXPECT_EQ(LoadBitmap(204), nullptr);  // a number the program has no bitmap for
  const std::vector<std::uint8_t> data = ThreeByTwo();
  const std::vector<std::uint8_t> damaged(12);
  const ResourceEntry entries[] = {
      {ResourceType::kBitmap, 201, data.data(), static_cast<std::uint32_t>(data.size())},
      {ResourceType::kRawData, 202, data.data(), static_cast<std::uint32_t>(data.size())},
      {ResourceType::kBitmap, 203, damaged.data(), static_cast<std::uint32_t>(damaged.size())},
  };
  headless::InstallResources(entries);
  Bitmap* bitmap = LoadBitmap(201);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(BitmapSize(bitmap).width, 3);
  EXPECT_EQ(BitmapSize(bitmap).height, 2);
  EXPECT_EQ(LoadBitmap(202), nullptr);
  EXPECT_EQ(LoadBitmap(203), nullptr);

  Surface* surface = headless::CreateTestSurface(20, 20);
  DrawBitmap(surface, bitmap, 4, 5, {9, 9});
  ASSERT_EQ(headless::DrawCalls(surface).size(), 1u);
  const headless::DrawCall& call = headless::DrawCalls(surface)[0];
  EXPECT_EQ(call.kind, headless::DrawKind::kBitmap);
  EXPECT_EQ(call.bitmapId, 201);
  EXPECT_EQ(call.box.right, 13);
  EXPECT_EQ(call.box.bottom, 14);
  headless::DestroyTestSurface(surface);
  DeleteBitmap(bitmap);
}

}  // namespace
}  // namespace velmora::platform
