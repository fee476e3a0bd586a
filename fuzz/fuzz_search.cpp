// Fuzzes the search engine's matcher and article search over arbitrary
// streams and patterns (up to 33 bytes, wildcards anywhere): first byte the
// pattern length, then the pattern, two bytes of start offset, and the
// stream. Checks that every hit lies inside what was searched and that
// Search Again, started at the byte read after each hit, never meets a hit
// twice (it would then cycle for ever).
#include <algorithm>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "search/search_engine.h"
#include "state/app_state.h"

namespace {

using namespace velmora;

constexpr std::size_t kMaxPattern = kSearchPatternCapacity - 1;
constexpr std::size_t kMaxStream = 0xFFFF;

void CheckMatch(const std::uint8_t* first, std::span<const std::uint8_t> pattern,
                const std::uint8_t* from) {
  std::uint16_t length = 0;
  const std::uint8_t* hit = search::MatchBackward(first, pattern, from, &length);
  if (hit == nullptr) return;
  if (hit < first || hit > from || length == 0 || length > hit - first + 1) __builtin_trap();
  if (*hit != pattern.back()) __builtin_trap();
}

// Each start follows from the hit before it, so a hit met twice means the
// walk would cycle for ever. The first kMaxSteps hits are followed.
void SearchAgainWithoutCycles(std::span<const std::uint8_t> stream,
                              std::span<const std::uint8_t> pattern) {
  constexpr int kMaxSteps = 512;
  std::bitset<kMaxStream + 1> seen;
  std::uint16_t start = 0;
  std::uint16_t length = 0;
  for (int step = 0; step < kMaxSteps; ++step) {
    const std::uint16_t hit = search::FindInArticle(stream, start, pattern, &length);
    if (hit == 0) return;
    if (hit >= stream.size() || length == 0 || length > hit) __builtin_trap();
    if (seen[hit]) __builtin_trap();
    seen[hit] = true;
    start = static_cast<std::uint16_t>(hit - length);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::size_t patternLength = 1 + data[0] % kMaxPattern;
  if (size < 1 + patternLength + 2) return 0;
  // Exact-size copies, so that a read past either end is caught.
  auto pattern = std::make_unique<std::uint8_t[]>(patternLength);
  std::copy(data + 1, data + 1 + patternLength, pattern.get());
  const std::span<const std::uint8_t> patternBytes(pattern.get(), patternLength);
  const std::size_t at = 1 + patternLength;
  const auto start = static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
  const std::size_t streamSize = std::min(size - at - 2, kMaxStream);
  if (streamSize == 0) return 0;
  auto stream = std::make_unique<std::uint8_t[]>(streamSize);
  std::copy(data + at + 2, data + at + 2 + streamSize, stream.get());
  const std::span<const std::uint8_t> streamBytes(stream.get(), streamSize);

  // The whole stream as one Paragraph's text, from its end and from the start.
  CheckMatch(stream.get(), patternBytes, stream.get() + streamSize - 1);
  CheckMatch(stream.get(), patternBytes, stream.get() + start % streamSize);

  std::uint16_t length = 0;
  const std::uint16_t hit = search::FindInArticle(streamBytes, start, patternBytes, &length);
  if (hit != 0 && (hit >= streamSize || length == 0 || length > hit)) __builtin_trap();
  SearchAgainWithoutCycles(streamBytes, patternBytes);
  return 0;
}
