#include "png_writer.h"

#include <zlib.h>

#include <array>
#include <fstream>
#include <string_view>

namespace velmora::imagepng {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kBitDepth = 8;
constexpr std::uint8_t kColourTypeRgba = 6;
constexpr std::uint8_t kFilterNone = 0;
constexpr std::uint8_t kOpaque = 0xFF;

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
}

// A chunk: length, type, data, and the CRC of type and data.
void PutChunk(std::vector<std::uint8_t>& out, std::string_view type,
              const std::vector<std::uint8_t>& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
  Put32(out, static_cast<std::uint32_t>(crc));
}

// Every row behind its filter byte, scaled.
std::vector<std::uint8_t> RawRows(const platform::DecodedBitmap& bitmap, int scale,
                                  platform::Colour transparent) {
  std::vector<std::uint8_t> raw;
  for (std::int32_t y = 0; y < bitmap.height * scale; ++y) {
    raw.push_back(kFilterNone);
    for (std::int32_t x = 0; x < bitmap.width * scale; ++x) {
      const platform::Colour colour =
          bitmap.pixels[static_cast<std::size_t>(y / scale) * bitmap.width + x / scale];
      raw.push_back(colour & 0xFF);
      raw.push_back((colour >> 8) & 0xFF);
      raw.push_back((colour >> 16) & 0xFF);
      raw.push_back(colour == transparent ? 0 : kOpaque);
    }
  }
  return raw;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const platform::DecodedBitmap& bitmap, int scale,
                                    platform::Colour transparent) {
  const std::vector<std::uint8_t> raw = RawRows(bitmap, scale, transparent);
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    return {};
  }
  packed.resize(packedSize);

  std::vector<std::uint8_t> header;
  Put32(header, static_cast<std::uint32_t>(bitmap.width * scale));
  Put32(header, static_cast<std::uint32_t>(bitmap.height * scale));
  header.insert(header.end(), {kBitDepth, kColourTypeRgba, 0, 0, 0});  // compression,
                                                                       // filter, interlace
  std::vector<std::uint8_t> out(kSignature.begin(), kSignature.end());
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace velmora::imagepng
