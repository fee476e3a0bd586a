// PNG files of decoded bitmaps: 8-bit RGBA, no interlace, one zlib stream.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/common/bitmap_resource.h"

namespace velmora::imagepng {

// The PNG bytes of `bitmap` enlarged `scale` times (each pixel a square),
// pixels of `transparent` fully transparent; empty when compression fails.
std::vector<std::uint8_t> EncodePng(const platform::DecodedBitmap& bitmap, int scale,
                                    platform::Colour transparent);

// Writes `bytes` to `path`; false when it cannot.
bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace velmora::imagepng
