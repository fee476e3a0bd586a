// The PalmDoc token stream inside a record's block, written down once for
// the decoder (src/book/palmdoc.cpp) and the encoder of the book compiler.
// Stored values: do not renumber.
#pragma once

#include <cstdint>

namespace velmora::book {

//   0x00, 0x09..0x7F  literal byte
//   0x01..0x08        literal run of that many following bytes
//   0x80..0xBF        back reference: 11-bit distance, length 3..10
//   0xC0..0xFF        space followed by (token ^ 0x80)
inline constexpr std::uint8_t kTokenRunFirst = 0x01;
inline constexpr std::uint8_t kTokenRunLast = 0x08;
inline constexpr std::uint8_t kTokenRefFirst = 0x80;
inline constexpr std::uint8_t kTokenSpacePairFirst = 0xC0;
inline constexpr std::uint32_t kMaxRefDistance = 2047;
inline constexpr std::uint32_t kMinRefLength = 3;
inline constexpr std::uint32_t kMaxRefLength = 10;

// A space pair stands for a space and one byte of 0x40..0x7F, which the
// token carries with its top bit flipped.
inline constexpr std::uint8_t kSpace = 0x20;
inline constexpr std::uint8_t kSpacePairMask = 0x80;
inline constexpr std::uint8_t kSpacePairSecondFirst = kTokenSpacePairFirst ^ kSpacePairMask;
inline constexpr std::uint8_t kSpacePairSecondLast = 0xFF ^ kSpacePairMask;

// A back reference is two bytes read as one big-endian word: the token's
// top bits 10, the distance, then the length less kMinRefLength in 3 bits.
inline constexpr int kRefDistanceShift = 3;
inline constexpr std::uint32_t kRefLengthMask = 0x7;

constexpr bool IsRunToken(std::uint8_t token) {
  return token >= kTokenRunFirst && token <= kTokenRunLast;
}

// The byte after the space that space pair `token` stands for, and back.
constexpr std::uint8_t SpacePairSecond(std::uint8_t token) { return token ^ kSpacePairMask; }
constexpr std::uint8_t SpacePairToken(std::uint8_t second) { return second ^ kSpacePairMask; }
constexpr bool IsSpacePairSecond(std::uint8_t b) {
  return b >= kSpacePairSecondFirst && b <= kSpacePairSecondLast;
}

// The reference word for `distance` (1..kMaxRefDistance) and `length`
// (kMinRefLength..kMaxRefLength), and the two read back from a word.
constexpr std::uint32_t ReferenceWord(std::uint32_t distance, std::uint32_t length) {
  return (std::uint32_t{kTokenRefFirst} << 8) | (distance << kRefDistanceShift) |
         (length - kMinRefLength);
}
constexpr std::uint32_t ReferenceDistance(std::uint32_t word) {
  return (word >> kRefDistanceShift) & kMaxRefDistance;
}
constexpr std::uint32_t ReferenceLength(std::uint32_t word) {
  return (word & kRefLengthMask) + kMinRefLength;
}

}  // namespace velmora::book
