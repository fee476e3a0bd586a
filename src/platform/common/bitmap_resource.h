// Decoding of bitmap resources (their layout: platform/bitmap_format.h).
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
