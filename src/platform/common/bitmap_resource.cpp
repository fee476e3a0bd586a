#include "platform/common/bitmap_resource.h"

#include <cstddef>

#include "platform/bitmap_format.h"

namespace velmora::platform {
namespace {

using namespace bitmap_format;

std::uint32_t Read16(std::span<const std::uint8_t> d, std::size_t at) {
  return static_cast<std::uint32_t>(d[at] | (d[at + 1] << 8));
}

std::uint32_t Read32(std::span<const std::uint8_t> d, std::size_t at) {
  return Read16(d, at) | (Read16(d, at + 2) << 16);
}

Colour FromBgr(std::span<const std::uint8_t> d, std::size_t at) {
  return static_cast<Colour>(d[at + 2]) | (static_cast<Colour>(d[at + 1]) << 8) |
         (static_cast<Colour>(d[at]) << 16);
}

bool PaletteBits(std::uint32_t bits) { return bits == 1 || bits == 4 || bits == 8; }

}  // namespace

std::optional<DecodedBitmap> DecodeBitmapResource(std::span<const std::uint8_t> data) {
  if (data.size() < kInfoHeaderSize) return std::nullopt;
  const std::size_t headerSize = Read32(data, kHeaderSizeAt);
  if (headerSize < kInfoHeaderSize || headerSize > data.size()) return std::nullopt;
  const auto width = static_cast<std::int32_t>(Read32(data, kWidthAt));
  const auto rawHeight = static_cast<std::int32_t>(Read32(data, kHeightAt));
  const std::uint32_t bits = Read16(data, kBitsAt);
  if (Read16(data, kPlanesAt) != 1 || Read32(data, kCompressionAt) != 0) return std::nullopt;
  if (!PaletteBits(bits) && bits != 24 && bits != 32) return std::nullopt;
  const bool topDown = rawHeight < 0;
  // The magnitude is taken in 64 bits: the most negative height has none in 32.
  const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
  if (width <= 0 || width > kMaxBitmapSide || height <= 0 || height > kMaxBitmapSide) {
    return std::nullopt;
  }

  std::size_t tableEntries = 0;
  if (PaletteBits(bits)) {
    const std::uint32_t used = Read32(data, kColoursUsedAt);
    const std::size_t full = std::size_t{1} << bits;
    tableEntries = used == 0 ? full : used;
    if (tableEntries > full) return std::nullopt;
  }
  const std::size_t tableAt = headerSize;
  const std::size_t pixelsAt = tableAt + tableEntries * kTableEntrySize;
  const std::size_t rowBytes = RowBytes(static_cast<std::size_t>(width), bits);
  if (pixelsAt > data.size() ||
      (data.size() - pixelsAt) / rowBytes < static_cast<std::size_t>(height)) {
    return std::nullopt;
  }

  DecodedBitmap bitmap{width, static_cast<std::int32_t>(height), {}};
  bitmap.pixels.resize(static_cast<std::size_t>(width) * bitmap.height);
  for (std::int32_t row = 0; row < bitmap.height; ++row) {
    const std::size_t storedRow = topDown ? row : bitmap.height - 1 - row;
    const std::size_t rowAt = pixelsAt + storedRow * rowBytes;
    for (std::int32_t column = 0; column < width; ++column) {
      Colour colour = 0;
      if (PaletteBits(bits)) {
        const std::size_t bit = static_cast<std::size_t>(column) * bits;
        const std::uint32_t byte = data[rowAt + bit / 8];
        const std::uint32_t index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index >= tableEntries) return std::nullopt;
        colour = FromBgr(data, tableAt + index * kTableEntrySize);
      } else {
        colour = FromBgr(data, rowAt + static_cast<std::size_t>(column) * (bits / 8));
      }
      bitmap.pixels[static_cast<std::size_t>(row) * width + column] = colour;
    }
  }
  return bitmap;
}

}  // namespace velmora::platform
