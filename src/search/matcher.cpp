#include <cstring>

#include "book/book_format.h"
#include "search/search_engine.h"

namespace velmora::search {
namespace {

// The highest position at or below `from`, not below `first`, holding
// `byte`; nullptr when none.
const std::uint8_t* FindLastByte(const std::uint8_t* first, const std::uint8_t* from,
                                 std::uint8_t byte) {
  return static_cast<const std::uint8_t*>(
      memrchr(first, byte, static_cast<std::size_t>(from - first) + 1));
}

}  // namespace

const std::uint8_t* MatchBackward(const std::uint8_t* first, std::span<const std::uint8_t> pattern,
                                  const std::uint8_t* from, std::uint16_t* length) {
  if (pattern.empty() || from < first) return nullptr;
  const std::size_t m = pattern.size();
  const std::uint8_t last = pattern[m - 1];
  for (const std::uint8_t* pos = FindLastByte(first, from, last); pos != nullptr;
       pos = pos > first ? FindLastByte(first, pos - 1, last) : nullptr) {
    // Positions are counted from `first`, so that nothing points below it.
    std::ptrdiff_t t = pos - first - 1;
    std::ptrdiff_t j = static_cast<std::ptrdiff_t>(m) - 2;
    bool failed = false;
    while (j >= 0) {
      if (t < 0) {
        failed = true;
        break;
      }
      const std::uint8_t byte = first[t];
      const std::uint8_t wanted = pattern[static_cast<std::size_t>(j)];
      if (byte == wanted || wanted == kAnyByte) {
        --j;
        --t;
      } else if (wanted == kAnyRun) {
        // The prefix before the '*' must end at t or lower; the nearest such
        // occurrence is taken. None there means none for any lower pos.
        std::uint16_t prefixLength = 0;
        const std::uint8_t* prefix = MatchBackward(
            first, pattern.first(static_cast<std::size_t>(j)), first + t, &prefixLength);
        if (prefix == nullptr) return nullptr;
        *length = static_cast<std::uint16_t>(pos - prefix + prefixLength);
        return pos;
      } else {
        failed = true;
        break;
      }
    }
    if (!failed) {
      *length = static_cast<std::uint16_t>(pos - first - t);
      return pos;
    }
  }
  return nullptr;
}

std::uint16_t FindInArticle(std::span<const std::uint8_t> stream, std::uint16_t start,
                            std::span<const std::uint8_t> pattern, std::uint16_t* hitLength,
                            bool* outOfMemory) {
  bool dry = false;
  ParagraphSpan* spans = BuildParagraphSpans(stream, &dry);
  if (outOfMemory != nullptr) *outOfMemory = dry;
  const std::uint8_t* hit = nullptr;
  std::uint16_t length = 0;
  // P as an offset: a start beyond the stream lies beyond every NUL.
  const std::size_t p = start;
  for (const ParagraphSpan* span = spans; span != nullptr && hit == nullptr; span = span->next) {
    const std::size_t styleAt = static_cast<std::size_t>(span->style - stream.data());
    const std::size_t nulAt = static_cast<std::size_t>(span->nul - stream.data());
    const std::size_t textAt = styleAt + book::kItemHeaderSize;
    if (p > nulAt) continue;
    // On the measure byte: the byte read after a hit at the first text byte,
    // so this Paragraph is done.
    if (p == textAt - 1) continue;
    if (nulAt == textAt) continue;  // no text
    const std::uint8_t* from = p >= textAt ? stream.data() + p : span->nul - 1;
    hit = MatchBackward(stream.data() + textAt, pattern, from, &length);
  }
  FreeParagraphSpans(spans);
  if (hit == nullptr) return 0;
  *hitLength = length;
  return static_cast<std::uint16_t>(hit - stream.data());
}

}  // namespace velmora::search
