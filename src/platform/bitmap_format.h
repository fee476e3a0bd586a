// The stored form of a bitmap resource: a device-independent bitmap as a
// resource section keeps it, without a file header. An info header of 40 or
// more bytes, little-endian: header size (4), width (4), height (4; positive:
// rows bottom-up, negative: top-down), planes (2) = 1, bits per pixel (2: 1,
// 4, 8, 24 or 32), compression (4) = 0, image size and resolutions (12),
// colour count (4; 0: 2^bits), important colours (4). Then, for 1 to 8 bits,
// the colour table (blue, green, red, unused per entry); then the rows, each
// padded to a multiple of 4 bytes. The decoder (platform/common) and the
// program's drawn art (resources) both spell it with these names.
#pragma once

#include <cstddef>

#include "platform/surface.h"

namespace velmora::platform::bitmap_format {

inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::size_t kHeaderSizeAt = 0;
inline constexpr std::size_t kWidthAt = 4;
inline constexpr std::size_t kHeightAt = 8;
inline constexpr std::size_t kPlanesAt = 12;
inline constexpr std::size_t kBitsAt = 14;
inline constexpr std::size_t kCompressionAt = 16;
inline constexpr std::size_t kImageSizeAt = 20;
inline constexpr std::size_t kColoursUsedAt = 32;
inline constexpr std::size_t kTableEntrySize = 4;  // blue, green, red, unused
inline constexpr std::size_t kRowAlignment = 4;

// Bytes of one stored row of `width` pixels at `bits` per pixel.
constexpr std::size_t RowBytes(std::size_t width, std::size_t bits) {
  return (width * bits + 8 * kRowAlignment - 1) / (8 * kRowAlignment) * kRowAlignment;
}

// Pixels of this colour in the tool bitmap and the icon are background: a
// backend may show them as the surface behind the image (transparent).
inline constexpr Colour kImageBackgroundColour = 0x00C0C0C0;

}  // namespace velmora::platform::bitmap_format
