// The plain form of an article: one line of UTF-16 text per Paragraph, ended
// by CR LF, letters converted for the LetterBase in force.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/memory.h"

namespace velmora::exporting {

// An output buffer and its size in bytes (twice its units).
struct PlainTextBuffer {
  platform::HeapPtr<char16_t[]> units;
  std::size_t bytes = 0;

  explicit operator bool() const { return units != nullptr; }
};

// The length in characters of a rule whose measure byte is `w`: w pixels up
// to 160, else 2 x (w - 160) for a width in percent.
std::uint32_t RuleLength(std::uint8_t w);

// A new buffer (from AllocOrAbort) big enough for RenderPlainText of
// `stream`, with its size: L + L/2 + 2 (P + B) + R + I + 1 units for a stream
// of L bytes, P Paragraphs (B with a blank row after them), rules of R
// characters in all and indents of I. Empty when the heap ran dry (the
// failure has been reported).
PlainTextBuffer EstimatePlainText(std::span<const std::uint8_t> stream);

// Writes the plain form of `stream` into `buffer` of `bytes` bytes: each
// Paragraph's converted text (or its rule of '-') then its indent in spaces,
// CR LF, a second CR LF after a blank row, and a NUL after the last. Never
// writes past the buffer. Returns 0 when it fitted; 1 when it did not, after
// showing "(obuf > (start + size))" owned by the main window.
int RenderPlainText(std::span<const std::uint8_t> stream, char16_t* buffer, std::size_t bytes);

}  // namespace velmora::exporting
