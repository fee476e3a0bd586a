#include "book/letters.h"

#include <cstddef>

#include "book/book_format.h"
#include "platform/memory.h"
#include "state/app_state.h"

namespace velmora::book {
namespace {

constexpr char16_t kDisplayTilde = u'{';

char16_t Mirrored(char16_t unit) {
  switch (unit) {
    case u'(':
      return u')';
    case u')':
      return u'(';
    case u'[':
      return u']';
    case u']':
      return u'[';
    case u'{':
      return u'}';
    case u'}':
      return u'{';
    default:
      return unit;
  }
}

char16_t DisplayUnit(std::uint8_t stored, std::uint16_t letterBase) {
  if (stored >= kLetterCodeFirst && stored <= kLetterCodeLast) {
    // Only the low 16 bits of LetterBase count; the sum wraps in 16 bits.
    return static_cast<char16_t>(letterBase + (stored - kLetterCodeFirst));
  }
  if (stored == kStoredTilde) return kDisplayTilde;
  return stored;
}

// The target for `count` units and a terminator: the ConversionBuffer when it
// is big enough or can be grown, else a new block. A failed growth keeps the
// old buffer, so later, smaller conversions still work.
char16_t* ConversionTarget(std::int32_t count, ConversionBuffer* buffer) {
  if (buffer != nullptr && buffer->buffer != nullptr && buffer->capacity >= count) {
    return buffer->buffer;
  }
  auto* units = static_cast<char16_t*>(
      platform::HeapAllocate((static_cast<std::size_t>(count) + 1) * sizeof(char16_t)));
  if (units == nullptr || buffer == nullptr) return units;
  platform::HeapRelease(buffer->buffer);
  buffer->buffer = units;
  buffer->capacity = count;
  return units;
}

}  // namespace

ConversionBuffer& TheConversionBuffer() {
  static ConversionBuffer conversionBuffer;
  return conversionBuffer;
}

char16_t* ToDisplayText(const std::uint8_t* text, std::int32_t count, ConversionBuffer* buffer) {
  if (count < 0) count = 0;
  char16_t* units = ConversionTarget(count, buffer);
  if (units == nullptr) return nullptr;

  const std::int32_t letterBase = appState.fontSettings.letterBase;
  std::int32_t converted = 0;
  for (; converted < count && text[converted] != 0; ++converted) {
    units[converted] = DisplayUnit(text[converted], static_cast<std::uint16_t>(letterBase));
  }
  units[converted] = 0;

  // Only the units converted are reversed: a text that ends before `count`
  // keeps its terminator at the end.
  if (converted > 0 && letterBase != kLetterBaseStored &&
      (appState.appFlags & ReverseOption) != 0) {
    ReverseDisplayRun(units, converted);
  }
  return units;
}

int ReverseDisplayRun(char16_t* units, std::int32_t count) {
  if (count <= 0) return 0;
  auto reversed = platform::HeapAllocateArray<char16_t>(static_cast<std::size_t>(count));
  if (!reversed) return 1;
  for (std::int32_t i = 0; i < count; ++i) {
    reversed[count - 1 - i] = Mirrored(units[i]);
  }
  for (std::int32_t i = 0; i < count; ++i) units[i] = reversed[i];
  return 0;
}

}  // namespace velmora::book
