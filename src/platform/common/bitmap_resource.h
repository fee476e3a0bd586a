// The stored form of a bitmap resource: a device-independent bitmap as a
// resource section keeps it, without a file header. An info header of 40 or
// more bytes, little-endian: header size (4), width (4), height (4; positive:
// rows bottom-up, negative: top-down), planes (2) = 1, bits per pixel (2: 1,
// 4, 8, 24 or 32), compression (4) = 0, image size and resolutions (12, not
// read), colour count (4; 0: 2^bits), important colours (4, not read). Then,
// for 1 to 8 bits, the colour table (blue, green, red, unused per entry);
// then the rows, each padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/surface.h"

namespace velmora::platform {

inline constexpr std::int32_t kMaxBitmapSide = 4096;

struct DecodedBitmap {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<Colour> pixels;  // rows top-down, left to right
};

// The pixels of `data`, or nothing when it is not a bitmap of the form above
// (a size beyond kMaxBitmapSide, a colour index outside the table or a short
// block included).
std::optional<DecodedBitmap> DecodeBitmapResource(std::span<const std::uint8_t> data);

// The pixels of bitmap resource `id`, or nothing when the program has none or
// it is damaged.
std::optional<DecodedBitmap> LoadBitmapResource(std::uint16_t id);

}  // namespace velmora::platform
