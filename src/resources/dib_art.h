// Character art to device-independent bitmaps, at compile time: the program's
// bitmaps and icon are drawn as rows of characters, one character a pixel,
// and stored in the bitmap resource form (platform/bitmap_format.h), rows
// top-down.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/bitmap_format.h"
#include "platform/surface.h"

namespace velmora::resources {

using platform::bitmap_format::kImageBackgroundColour;

// One colour of an image and the character that paints it.
struct Ink {
  char key;
  platform::Colour colour;
};

template <std::size_t kColours>
using Palette = std::array<Ink, kColours>;

// Character art: `kHeight` rows, top first.
template <std::size_t kHeight>
using Art = std::array<std::string_view, kHeight>;

namespace dib {

using namespace platform::bitmap_format;

constexpr std::size_t StoredSize(std::size_t width, std::size_t height, std::size_t bits,
                                 std::size_t colours) {
  return kInfoHeaderSize + colours * kTableEntrySize + RowBytes(width, bits) * height;
}

template <std::size_t kColours>
constexpr std::size_t InkIndex(const Palette<kColours>& palette, char key) {
  for (std::size_t i = 0; i < kColours; ++i) {
    if (palette[i].key == key) return i;
  }
  return kColours;
}

template <std::size_t N>
constexpr void Put(std::array<std::uint8_t, N>& out, std::size_t at, std::uint32_t value,
                   std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) out[at + i] = (value >> (8 * i)) & 0xFF;
}

}  // namespace dib

// True when every row of `art` is `kWidth` characters long and every
// character has an ink in `palette`: checked with static_assert beside each
// drawing.
template <std::size_t kWidth, std::size_t kHeight, std::size_t kColours>
constexpr bool ArtFits(const Palette<kColours>& palette, const Art<kHeight>& art) {
  for (std::string_view row : art) {
    if (row.size() != kWidth) return false;
    for (char key : row) {
      if (dib::InkIndex(palette, key) == kColours) return false;
    }
  }
  return true;
}

// Reads pixel (x, y) of one piece of art.
template <std::size_t kHeight>
struct ArtPixels {
  const Art<kHeight>& art;
  constexpr char operator()(std::size_t x, std::size_t y) const { return art[y][x]; }
};

// The stored bitmap of a `kWidth` x `kHeight` picture at `kBits` bits per
// pixel (1, 4 or 8), whose pixel (x, y) is the ink `pixels(x, y)` names.
template <std::size_t kWidth, std::size_t kHeight, std::size_t kBits, std::size_t kColours,
          class Pixels>
consteval auto MakeDib(const Palette<kColours>& palette, Pixels pixels) {
  static_assert(kBits == 1 || kBits == 4 || kBits == 8);
  static_assert(kColours <= (std::size_t{1} << kBits));
  std::array<std::uint8_t, dib::StoredSize(kWidth, kHeight, kBits, kColours)> out{};
  const std::size_t rowBytes = dib::RowBytes(kWidth, kBits);
  dib::Put(out, dib::kHeaderSizeAt, dib::kInfoHeaderSize, 4);
  dib::Put(out, dib::kWidthAt, kWidth, 4);
  dib::Put(out, dib::kHeightAt, static_cast<std::uint32_t>(-static_cast<std::int32_t>(kHeight)),
           4);  // top-down
  dib::Put(out, dib::kPlanesAt, 1, 2);
  dib::Put(out, dib::kBitsAt, kBits, 2);
  dib::Put(out, dib::kImageSizeAt, rowBytes * kHeight, 4);
  dib::Put(out, dib::kColoursUsedAt, kColours, 4);
  std::size_t at = dib::kInfoHeaderSize;
  for (const Ink& ink : palette) {
    out[at++] = (ink.colour >> 16) & 0xFF;
    out[at++] = (ink.colour >> 8) & 0xFF;
    out[at++] = ink.colour & 0xFF;
    out[at++] = 0;
  }
  for (std::size_t y = 0; y < kHeight; ++y) {
    for (std::size_t x = 0; x < kWidth; ++x) {
      const std::size_t index = dib::InkIndex(palette, pixels(x, y));
      const std::size_t bit = x * kBits;
      out[at + y * rowBytes + bit / 8] |= static_cast<std::uint8_t>(index << (8 - kBits - bit % 8));
    }
  }
  return out;
}

}  // namespace velmora::resources
