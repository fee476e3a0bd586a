#include "book/palmdoc.h"

#include <cstring>

#include "book/palmdoc_format.h"

namespace velmora::book {
namespace {

// The fast loop copies in blocks of this size and may write up to two blocks
// past a token's end; it runs only while that much output room is left, and
// while a whole token (a run of 8 and its count) is left in the input.
constexpr std::uint32_t kBlock = 8;
constexpr std::ptrdiff_t kFastOutputRoom = 2 * kBlock;
constexpr std::ptrdiff_t kFastInputLeft = kTokenRunLast + 1;

struct Cursor {
  const std::uint8_t* in;
  const std::uint8_t* inEnd;
  std::uint8_t* outStart;
  std::uint8_t* out;
  std::uint8_t* outEnd;
};

// Decodes the two reference bytes at `token` (already read) and the next
// input byte. Returns false for a distance of 0 or one reaching before the
// output's start.
bool ReadReference(Cursor& c, std::uint8_t token, std::uint32_t* distance, std::uint32_t* length) {
  const std::uint32_t word = (std::uint32_t{token} << 8) | *c.in++;
  *distance = ReferenceDistance(word);
  *length = ReferenceLength(word);
  return *distance != 0 && *distance <= static_cast<std::uint32_t>(c.out - c.outStart);
}

// Far from both ends no token can overrun, so bounds are tested once per
// token and copies move whole blocks.
bool DecodeFast(Cursor& c) {
  while (c.outEnd - c.out >= kFastOutputRoom && c.inEnd - c.in >= kFastInputLeft) {
    const std::uint8_t token = *c.in++;
    if (token >= kTokenSpacePairFirst) {
      c.out[0] = kSpace;
      c.out[1] = SpacePairSecond(token);
      c.out += 2;
    } else if (token >= kTokenRefFirst) {
      std::uint32_t distance = 0;
      std::uint32_t length = 0;
      if (!ReadReference(c, token, &distance, &length)) return false;
      const std::uint8_t* from = c.out - distance;
      if (distance >= kBlock) {
        // Each block's source lies wholly before its destination.
        std::memcpy(c.out, from, kBlock);
        std::memcpy(c.out + kBlock, from + kBlock, kBlock);
      } else {
        // Overlapping: the reference repeats bytes it writes itself.
        for (std::uint32_t i = 0; i < length; ++i) c.out[i] = from[i];
      }
      c.out += length;
    } else if (IsRunToken(token)) {
      std::memcpy(c.out, c.in, kBlock);
      c.in += token;
      c.out += token;
    } else {
      *c.out++ = token;
    }
  }
  return true;
}

// Near the ends every byte is checked: a token is cut where the output
// fills, and needs only the input bytes that it still writes.
bool DecodeCareful(Cursor& c) {
  while (c.in < c.inEnd && c.out < c.outEnd) {
    const std::uint8_t token = *c.in++;
    const auto room = static_cast<std::uint32_t>(c.outEnd - c.out);
    if (token >= kTokenSpacePairFirst) {
      *c.out++ = kSpace;
      // A space that fills the output drops its partner.
      if (room > 1) *c.out++ = SpacePairSecond(token);
    } else if (token >= kTokenRefFirst) {
      std::uint32_t distance = 0;
      std::uint32_t length = 0;
      if (c.in == c.inEnd || !ReadReference(c, token, &distance, &length)) return false;
      const std::uint8_t* from = c.out - distance;
      for (std::uint32_t i = length < room ? length : room; i != 0; --i) *c.out++ = *from++;
    } else if (IsRunToken(token)) {
      const std::uint32_t wanted = token < room ? token : room;
      if (wanted > static_cast<std::uint32_t>(c.inEnd - c.in)) return false;
      std::memcpy(c.out, c.in, wanted);
      c.in += wanted;
      c.out += wanted;
    } else {
      *c.out++ = token;
    }
  }
  return true;
}

}  // namespace

DecodeResult DecodePalmDoc(std::span<const std::uint8_t> input, std::span<std::uint8_t> output) {
  Cursor c{input.data(), input.data() + input.size(), output.data(), output.data(),
           output.data() + output.size()};
  const bool wellFormed = DecodeFast(c) && DecodeCareful(c);

  DecodeResult result;
  result.written = static_cast<std::uint32_t>(c.out - c.outStart);
  result.consumed = static_cast<std::uint32_t>(c.in - input.data());
  result.filled = wellFormed && c.out == c.outEnd;
  return result;
}

}  // namespace velmora::book
