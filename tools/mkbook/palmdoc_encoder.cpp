#include "tools/mkbook/palmdoc_encoder.h"

#include <algorithm>

#include "book/palmdoc_format.h"

namespace velmora::mkbook {
namespace {

constexpr std::uint32_t kSpacePairLength = 2;  // bytes one space pair stands for

// Matches are found through chains of earlier positions with the same hash
// of their first kMinRefLength bytes. The window already bounds a chain, so
// a small table does; the step limit keeps input full of short near-repeats
// fast as well.
constexpr unsigned kHashBits = 12;
constexpr std::uint32_t kHashMultiplier = 2654435761u;
constexpr int kMaxChainSteps = 256;
constexpr std::int32_t kNoPosition = -1;

struct Match {
  std::uint32_t length = 0;
  std::uint32_t distance = 0;
};

struct MatchFinder {
  std::span<const std::uint8_t> raw;
  std::vector<std::int32_t> head;  // latest position of each hash
  std::vector<std::int32_t> prev;  // the position before it with the same hash
};

std::uint32_t HashAt(std::span<const std::uint8_t> raw, std::size_t pos) {
  const std::uint32_t key =
      (std::uint32_t{raw[pos]} << 16) | (std::uint32_t{raw[pos + 1]} << 8) | raw[pos + 2];
  return (key * kHashMultiplier) >> (32 - kHashBits);
}

bool HasHash(const MatchFinder& finder, std::size_t pos) {
  return pos + book::kMinRefLength <= finder.raw.size();
}

void Insert(MatchFinder& finder, std::size_t pos) {
  if (!HasHash(finder, pos)) return;
  std::int32_t& latest = finder.head[HashAt(finder.raw, pos)];
  finder.prev[pos] = latest;
  latest = static_cast<std::int32_t>(pos);
}

// The longest earlier occurrence of the bytes at `pos` within reach of a
// back reference; the nearest one among equals.
Match LongestMatch(const MatchFinder& finder, std::size_t pos) {
  Match best;
  if (!HasHash(finder, pos)) return best;
  // Plain pointers in the innermost loop: the build runs this unoptimised too.
  const std::uint8_t* const bytes = finder.raw.data();
  const std::int32_t* const prev = finder.prev.data();
  const std::size_t limit = std::min<std::size_t>(book::kMaxRefLength, finder.raw.size() - pos);
  std::int32_t candidate = finder.head[HashAt(finder.raw, pos)];
  for (int steps = 0; candidate != kNoPosition && steps < kMaxChainSteps;
       ++steps, candidate = prev[candidate]) {
    const auto from = static_cast<std::size_t>(candidate);
    if (pos - from > book::kMaxRefDistance) break;
    std::size_t length = 0;
    while (length < limit && bytes[from + length] == bytes[pos + length]) ++length;
    if (length > best.length) {
      best = {static_cast<std::uint32_t>(length), static_cast<std::uint32_t>(pos - from)};
      if (length == limit) break;
    }
  }
  if (best.length < book::kMinRefLength) return {};
  return best;
}

bool NeedsRun(std::uint8_t b) { return book::IsRunToken(b) || b >= book::kTokenRefFirst; }

// Bytes that stand for themselves go out as plain literals; a byte that
// would read as a token goes inside a literal run, which takes the bytes
// after it along (they cost the same there, and a later such byte shares
// the run).
void FlushLiterals(std::vector<std::uint8_t>& literals, std::vector<std::uint8_t>& out) {
  for (std::size_t k = 0; k < literals.size();) {
    if (!NeedsRun(literals[k])) {
      out.push_back(literals[k++]);
      continue;
    }
    const std::size_t count = std::min<std::size_t>(book::kTokenRunLast, literals.size() - k);
    out.push_back(static_cast<std::uint8_t>(count));
    out.insert(out.end(), literals.begin() + static_cast<std::ptrdiff_t>(k),
               literals.begin() + static_cast<std::ptrdiff_t>(k + count));
    k += count;
  }
  literals.clear();
}

void PutReference(const Match& match, std::vector<std::uint8_t>& out) {
  const std::uint32_t word = book::ReferenceWord(match.distance, match.length);
  out.push_back(static_cast<std::uint8_t>(word >> 8));
  out.push_back(static_cast<std::uint8_t>(word & 0xFF));
}

bool StartsSpacePair(std::span<const std::uint8_t> raw, std::size_t pos) {
  return raw[pos] == book::kSpace && pos + 1 < raw.size() && book::IsSpacePairSecond(raw[pos + 1]);
}

// What the parse does at one position.
struct Step {
  std::uint32_t length = 1;    // bytes covered: a literal, a space pair or a reference
  std::uint32_t distance = 0;  // of a reference; 0 otherwise
};

// Token bytes of one plain literal, a space pair and a back reference. A
// byte that must escape is costed as if it had a run of its own; sharing a
// run only makes the output smaller.
constexpr std::uint32_t kLiteralCost = 1;
constexpr std::uint32_t kEscapedLiteralCost = 2;
constexpr std::uint32_t kSpacePairCost = 1;
constexpr std::uint32_t kReferenceCost = 2;

// The cheapest way through `raw`: with the longest match known at every
// position, every shorter reference at the same distance is possible too,
// and every token's cost is fixed, so a walk from the end that picks the
// cheapest step to an already solved position finds the smallest output.
std::vector<Step> CheapestParse(std::span<const std::uint8_t> raw) {
  MatchFinder finder{raw, std::vector<std::int32_t>(std::size_t{1} << kHashBits, kNoPosition),
                     std::vector<std::int32_t>(raw.size(), kNoPosition)};
  std::vector<Match> longest(raw.size());
  for (std::size_t pos = 0; pos < raw.size(); ++pos) {
    longest[pos] = LongestMatch(finder, pos);
    Insert(finder, pos);
  }
  std::vector<Step> steps(raw.size());
  std::vector<std::uint32_t> cost(raw.size() + 1, 0);  // from a position to the end
  for (std::size_t pos = raw.size(); pos-- > 0;) {
    Step best;
    std::uint32_t bestCost =
        (NeedsRun(raw[pos]) ? kEscapedLiteralCost : kLiteralCost) + cost[pos + 1];
    if (StartsSpacePair(raw, pos) && kSpacePairCost + cost[pos + kSpacePairLength] < bestCost) {
      best = {kSpacePairLength, 0};
      bestCost = kSpacePairCost + cost[pos + kSpacePairLength];
    }
    for (std::uint32_t length = book::kMinRefLength; length <= longest[pos].length; ++length) {
      if (kReferenceCost + cost[pos + length] < bestCost) {
        best = {length, longest[pos].distance};
        bestCost = kReferenceCost + cost[pos + length];
      }
    }
    steps[pos] = best;
    cost[pos] = bestCost;
  }
  return steps;
}

}  // namespace

std::vector<std::uint8_t> CompressPalmDoc(std::span<const std::uint8_t> raw) {
  const std::vector<Step> steps = CheapestParse(raw);
  std::vector<std::uint8_t> out;
  out.reserve(raw.size());
  std::vector<std::uint8_t> literals;
  for (std::size_t pos = 0; pos < raw.size(); pos += steps[pos].length) {
    const Step& step = steps[pos];
    if (step.distance != 0) {
      FlushLiterals(literals, out);
      PutReference({step.length, step.distance}, out);
    } else if (step.length == kSpacePairLength) {
      FlushLiterals(literals, out);
      out.push_back(book::SpacePairToken(raw[pos + 1]));
    } else {
      literals.push_back(raw[pos]);
    }
  }
  FlushLiterals(literals, out);
  return out;
}

}  // namespace velmora::mkbook
